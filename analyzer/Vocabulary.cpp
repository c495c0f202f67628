#include "analyzer/Vocabulary.h"

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
        case 2: return 7;
        case 3: return 8;
        case 4: return 33;
        case 5: return 9;
        case 6: return 22;
        case 7: return 23;
        case 8: case 16: return 12;
        case 9: return 15;
        case 10: return 16;
        case 11: return 17;
        case 12: return 18;
        case 13: return 20;
        case 14: return 19;
        case 15: return 21;
        case 17: return 30;
        case 18: return 31;
        case 19: return 32;
        case 20: return 13;
        case 21: return 24;
        case 22: return 14;
        case 23: case 26: case 31: return 10;
        case 24: case 25: return 4;
        case 28: return 27;
        case 29: return 29;
        case 30: return 28;
        default: return 11;
    }
}

int CategoryTextEntry(int category) {
    // The caption entries are not in category order.
    static const int entries[22] = {-1, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34,
                                    36, 43, 35, 37, 38, 39, 40, 41, 42, 44, 45};
    if (category < 1 || category > 21) return -1;
    return entries[category];
}

}  // namespace lumorca
