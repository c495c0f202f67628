#pragma once
// The options record: every setting of the program with its factory default.
#include "analyzer/Settings.h"
#include "analyzer/SettingsKeys.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <type_traits>
#include <variant>

namespace lumorca {

// A colour as 0x00BBGGRR.
using TColor = std::uint32_t;

// Font sizes the options dialog offers, in points.
constexpr int MinFontSize = 6;
constexpr int MaxFontSize = 24;

// What a window's font is made of; kept apart from QFont so the options can
// be compared and stored without a display.
struct TFontInfo {
    QString Name;
    int Size = 8;  // points
    TColor Color = 0;
    bool Bold = false;
    bool Italic = false;

    QFont ToQFont() const;
    bool operator==(const TFontInfo&) const = default;
};

// Window states as stored.
constexpr std::uint8_t StateNormal = 0;
constexpr std::uint8_t StateMinimized = 1;  // a child window: switched off
constexpr std::uint8_t StateMaximized = 2;

struct TWinOptions {
    TFontInfo Font;
    std::uint8_t State = StateNormal;

    bool operator==(const TWinOptions&) const = default;
};

// The type of a member by the kind of its setting.
template <SettingKind> struct TOptionType;
template <> struct TOptionType<SettingKind::Bool> { using Type = bool; };
template <> struct TOptionType<SettingKind::Number> { using Type = std::int32_t; };
template <> struct TOptionType<SettingKind::Color> { using Type = TColor; };
template <> struct TOptionType<SettingKind::List> { using Type = QStringList; };
template <> struct TOptionType<SettingKind::Text> { using Type = QString; };

// A factory value from the table: lists and text start empty.
template <class T> T FactoryValue(std::int64_t value) {
    if constexpr (std::is_arithmetic_v<T>) return static_cast<T>(value);
    else return T{};
}

// A plain value: copying it copies every setting. The recent files and the
// last position live beside it in TOptionSettings, so a reset keeps them.
struct TLumorcaOptions {
    // Section "Options": one member per row of the settings table.
#define LUMORCA_OPTION_MEMBER(key, member, kind, factory, range, analysis, control) \
    TOptionType<SettingKind::kind>::Type member = FactoryValue<TOptionType<SettingKind::kind>::Type>(factory);
    LUMORCA_OPTION_SETTINGS(LUMORCA_OPTION_MEMBER)
#undef LUMORCA_OPTION_MEMBER

    // The window sections.
    TWinOptions MainWin;
    TWinOptions StructureWin{{QStringLiteral("Arial")}, StateNormal};
    TWinOptions XRefWin{{QStringLiteral("Arial")}, StateNormal};
    TWinOptions CallWin{{QStringLiteral("Arial")}, StateMinimized};
    TWinOptions SourceWin{{QStringLiteral("Times New Roman")}, StateNormal};
};

// Fills `options` with the factory settings; ProcListingDir is the current
// directory at this moment.
void FillDefaults(TLumorcaOptions& options);

// What the analysis and the views read.
AnalysisSettings ToAnalysisSettings(const TLumorcaOptions& options);

// The settings table as the program reads it: each key with the member of
// the record it fills.
using TOptionMember = std::variant<bool TLumorcaOptions::*, std::int32_t TLumorcaOptions::*, TColor TLumorcaOptions::*,
                                   QStringList TLumorcaOptions::*, QString TLumorcaOptions::*>;
struct TOptionRow {
    QString Key;
    TOptionMember Member;
    SettingRange Range;
    AnalysisField Analysis;
    QString Control;  // empty when no control of the options dialog shows it alone
};
const std::vector<TOptionRow>& OptionRows();

}  // namespace lumorca
