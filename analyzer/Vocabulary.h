#pragma once
// The analysis vocabulary: symbol categories and reference kinds, with the
// read/write class of each kind and the text entries of the category captions.
#include <cstdint>

namespace lumorca {

enum SymbolCategory : uint8_t {
    CatOperation = 1,
    CatEntry = 2,
    CatGlobalVar = 3,
    CatComponentVar = 4,
    CatLocalVar = 5,
    CatParameter = 6,
    CatField = 7,
    CatRegister = 8,
    CatFunction = 9,
    CatOtherVar = 10,
    CatActivate = 11,
    CatLabel = 12,
    CatCommand = 13,
    CatTriggerNo = 14,
    CatText = 15,
    CatConstant = 16,
    CatVarString = 17,
    CatString = 18,
    CatNumber = 19,
    CatPrecompiler = 20,
    CatMessage = 21,
    CatRemoved = 22,  // merged into another symbol during the rework
};

enum RefKind : uint8_t {
    RefNone = 0,
    RefPlain = 1,
    RefRead = 2,
    RefWrite = 3,
    RefInit = 4,
    RefCondition = 5,
    RefCall = 6,
    RefActivate = 7,
    RefSetocc = 9,
    RefCreocc = 10,
    RefRemocc = 11,
    RefClear = 12,
    RefStore = 13,
    RefRetrieve = 14,
    RefDiscard = 15,
    RefRelease = 16,
    RefCurOccVideo = 17,
    RefSort = 18,
    RefPrintBreak = 19,
    RefFieldSyntax = 20,
    RefPrompt = 21,
    RefLabelDef = 22,
    RefGoto = 23,
    RefOperationDef = 24,
    RefEntryDef = 25,
    RefFunctionCall = 26,
    RefLocalDecl = 27,
    RefParamIn = 28,
    RefParamOut = 29,
    RefParamInOut = 30,
    RefActivateTarget = 31,
};

// How the warning rule counts a use of a symbol.
bool IsReadKind(int kind);
bool IsWriteKind(int kind);

// Image index of a reference node in the cross-reference tree.
int RefKindImage(int kind);

// Text entry of a category's caption, -1 for a value outside 1-21.
int CategoryTextEntry(int category);

// Structure node kinds of the structure tree.
enum StructureKind : uint8_t {
    KindForm = 0,
    KindEntity = 1,
    KindField = 2,
    KindTrigger = 3,
    KindEntry = 4,
    KindOperation = 5,
};

}  // namespace lumorca
