#pragma once
// The images of the three trees by name, in the order of the program's image
// list: structure kinds, category folder and symbol, one per kind of
// reference, the callers of the call window.
namespace lumorca {

enum TreeImageIndex : int {
    ImageForm = 0,  // also the root of the cross-reference tree
    ImageEntity = 1,
    ImageField = 2,
    ImageTrigger = 3,
    ImageEntry = 4,  // entries and operations
    ImageCategory = 5,
    ImageSymbol = 6,  // also the groups moved under their entry
    ImageRead = 7,
    ImageWritten = 8,
    ImageCondition = 9,
    ImageCall = 10,  // call, goto, activated component
    ImagePlain = 11,
    ImageRelease = 12,
    ImageFieldSyntax = 13,
    ImageLabel = 14,
    ImageSetocc = 15,
    ImageCreocc = 16,
    ImageRemocc = 17,
    ImageClear = 18,
    ImageRetrieve = 19,
    ImageStore = 20,
    ImageDiscard = 21,
    ImageCallArgument = 22,  // also a callee in the call window
    ImageActivate = 23,
    ImagePrompt = 24,
    ImageCallingTrigger = 25,
    ImageCallingEntry = 26,
    ImageParamIn = 27,
    ImageParamInOut = 28,
    ImageParamOut = 29,
    ImageCurOccVideo = 30,
    ImageSort = 31,
    ImagePrintBreak = 32,
    ImageInitialised = 33,
    TreeImageCount = 34,
};

}  // namespace lumorca
