#pragma once
// Shared pieces of the options tests: files, a private per-user store name
// and a stand-in for the program's windows.
#include "options/OptionSettings.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace lumorca::test {

// Never the program's own store name.
inline const QString TestRegistryName = QStringLiteral("Software\\LumorcaOptionsTest");

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// A test name of letters, digits and "_" only.
inline std::string TestName(const std::string& text) {
    std::string name;
    for (const char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// Empties the private per-user store.
void ClearTestRegistry();

class FakeWindows : public TWindowHost {
public:
    QSize Screen{1920, 1080};
    QSize MainOuter{1600, 900};
    bool WindowsPlaced = false;
    bool Arranging = false;
    std::vector<bool> ArrangingWhilePlacing;
    std::map<TWindowId, TWindowGeometry> Placed;
    std::map<TWindowId, std::uint8_t> States;
    std::map<TWindowId, TWindowGeometry> Bounds;

    std::vector<QRect> ScreenAreas() const override { return {QRect(QPoint(0, 0), Screen)}; }
    QSize MainWindowOuterSize() const override { return MainOuter; }
    void SetWindowsPlaced(bool placed) override { WindowsPlaced = placed; }
    void SetArranging(bool arranging) override { Arranging = arranging; }
    void PlaceWindow(TWindowId window, const TWindowGeometry& geometry) override {
        Placed[window] = geometry;
        ArrangingWhilePlacing.push_back(Arranging);
    }
    std::uint8_t WindowState(TWindowId window) const override {
        auto it = States.find(window);
        return it == States.end() ? StateNormal : it->second;
    }
    TWindowGeometry WindowBounds(TWindowId window) const override {
        auto it = Bounds.find(window);
        return it == Bounds.end() ? TWindowGeometry{} : it->second;
    }
};

}  // namespace lumorca::test
