#include "analyzer/Vocabulary.h"

#include "analyzer/TreeImages.h"
#include "texts/TextIds.h"

namespace lumorca {

bool IsReadKind(int kind) {
    switch (kind) {
        case RefRead: case RefCondition: case RefGoto: case RefFunctionCall: case RefParamOut:
        case RefCall: case RefActivate: case RefParamInOut:
            return true;
        default:
            return false;
    }
}

bool IsWriteKind(int kind) {
    switch (kind) {
        case RefWrite: case RefInit: case RefLabelDef: case RefEntryDef: case RefParamIn:
        case RefCall: case RefActivate: case RefParamInOut:
            return true;
        default:
            return false;
    }
}

int RefKindImage(int kind) {
    switch (kind) {
        case RefRead: return ImageRead;
        case RefWrite: return ImageWritten;
        case RefInit: return ImageInitialised;
        case RefCondition: return ImageCondition;
        case RefCall: return ImageCallArgument;
        case RefActivate: return ImageActivate;
        case 8: case RefRelease: return ImageRelease;
        case RefSetocc: return ImageSetocc;
        case RefCreocc: return ImageCreocc;
        case RefRemocc: return ImageRemocc;
        case RefClear: return ImageClear;
        case RefStore: return ImageStore;
        case RefRetrieve: return ImageRetrieve;
        case RefDiscard: return ImageDiscard;
        case RefCurOccVideo: return ImageCurOccVideo;
        case RefSort: return ImageSort;
        case RefPrintBreak: return ImagePrintBreak;
        case RefFieldSyntax: return ImageFieldSyntax;
        case RefPrompt: return ImagePrompt;
        case RefLabelDef: return ImageLabel;
        case RefGoto: case RefFunctionCall: case RefActivateTarget: return ImageCall;
        case RefOperationDef: case RefEntryDef: return ImageEntry;
        case RefParamIn: return ImageParamIn;
        case RefParamOut: return ImageParamOut;
        case RefParamInOut: return ImageParamInOut;
        default: return ImagePlain;
    }
}

int CategoryTextEntry(int category) {
    // The caption entries are not in category order.
    static const int entries[22] = {NoText,
                                    TextCatOperations,
                                    TextCatEntries,
                                    TextCatGlobalVars,
                                    TextCatComponentVars,
                                    TextCatLocalVars,
                                    TextCatParameters,
                                    TextCatFields,
                                    TextCatRegisters,
                                    TextCatSystemFunctions,
                                    TextCatOtherVars,
                                    TextCatActivate,
                                    TextCatLabels,
                                    TextCatCommands,
                                    TextCatTriggerNo,
                                    TextCatText,
                                    TextCatConstants,
                                    TextCatVarStrings,
                                    TextCatStrings,
                                    TextCatNumbers,
                                    TextCatPrecompiler,
                                    TextCatMessages};
    if (category < 1 || category > 21) return -1;
    return entries[category];
}

}  // namespace lumorca
