#pragma once
// The source view and the trees: what the view asks of the main window,
// answered from its parts, and the trees' choices shown in the view.
#include "app/Main.h"
#include "app/SourceViewHost.h"

namespace lumorca::gui {

class TMain::SourceLink : public TSourceViewHost {
public:
    explicit SourceLink(TMain& main) : main_(main) {}

    TLumorcaOptions& Options() override { return main_.Options(); }
    TMessageService& MessageBoxes() override { return *main_.Messages; }
    QString Txt(int entry) const override { return main_.Txt(entry); }
    int Level() const override;
    void Trace(int level, const QString& text) override;
    void ClearTrace() override;
    QString OwnComponent() const override { return main_.ListingComponent; }
    bool CallSitesKnown() const override { return main_.CallSitesKnown(); }
    void ShowInXRef(const TreeNode* node) override;
    void RevealInXRef(const TreeNode* node) override;
    void NotFoundBeep() override;

    // A node chosen in a tree shows its place (MainNavigation).
    void StrukturOutlineChange(TreeNode* node);
    void XRefOutlineChange(TreeNode* node);
    void StrukturOutlineEnter();
    void XRefOutlineEnter();

private:
    TMain& main_;
};

}  // namespace lumorca::gui
