#pragma once
// The four child windows in the main window's work area: switching them on
// and off, their automatic arrangement, Ctrl+Tab between them, and the
// placing and measuring that the stored window sections ask for.
#include <QObject>
#include <array>
#include <functional>

#include "options/OptionSettings.h"
#include "windows/ChildForm.h"

class QMainWindow;
class QMdiArea;

namespace lumorca::gui {

struct TMainActions;

class TChildWindows : public QObject, public TChildHost, public TWindowHost {
public:
    // What the windows ask the main window they live in.
    struct THost {
        QMainWindow* Frame;  // placed and measured as the main window
        std::function<bool()> Frozen;  // closing, or not built yet: nothing is arranged
        std::function<bool()> Loading;
        std::function<TLumorcaOptions&()> Options;
        std::function<void(const QString& line)> Trace;
        // After every arrangement, while it still counts as arranging.
        std::function<void()> Arranged;
    };
    // A child window's content and the control in it that takes the keys.
    struct TView {
        QWidget* Client;
        QWidget* Control;
    };

    // The work area is a child of `areaParent`.
    TChildWindows(QWidget* areaParent, THost host);
    QMdiArea* Area() const { return MdiArea; }
    // The four windows, in the order the options expect them.
    void CreateChildren();
    // Menu items and options of the windows, and the arrange actions.
    void Bind(TMainActions& actions);
    // Keys and focus go to the views' controls (Structure, XRef, Call, Source).
    void ConnectWindowKeys(const std::array<TView, 4>& views);
    void SetObjectToChildWin();
    TChildForm* ChildOf(TWindowId window) const;
    std::array<TChildForm*, 4> Children() const { return {StructureWin, XRefWin, CallWin, SourceWin}; }
    bool IsActive(TWindowId window) const;
    void Activate(TWindowId window);
    void toggleWin(TChildForm* child, bool show);

    // TChildHost
    void ReflectWindowState(TChildForm* child, std::uint8_t state) override;
    void FormResize() override;
    bool IsArranging() const override { return Arranging; }
    void ChildTrace(const QString& line) override;

    // TWindowHost
    std::vector<QRect> ScreenAreas() const override;
    QSize MainWindowOuterSize() const override;
    void SetWindowsPlaced(bool placed) override { WindowsPlaced = placed; }
    void SetArranging(bool arranging) override { Arranging = arranging; }
    void PlaceWindow(TWindowId window, const TWindowGeometry& geometry) override;
    std::uint8_t WindowState(TWindowId window) const override;
    TWindowGeometry WindowBounds(TWindowId window) const override;

private:
    void ActionArrangeExecute();
    void ActionAutoArrangeExecute();
    // Activates the next (step 1) or previous (-1) child window that is
    // switched on and gives the focus to its control.
    void ActivateNextChild(int step);

    THost Host;
    TMainActions* Actions = nullptr;
    QMdiArea* MdiArea = nullptr;
    TChildForm* StructureWin = nullptr;
    TChildForm* XRefWin = nullptr;
    TChildForm* CallWin = nullptr;
    TChildForm* SourceWin = nullptr;
    std::array<TView, 4> Views{};
    bool Arranging = false;
    bool WindowsPlaced = false;
};

}  // namespace lumorca::gui
