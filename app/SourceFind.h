#pragma once
// Searching the listing of the source view from the find dialog.
#include <QObject>
#include <QString>
#include <functional>

#include "analyzer/Analysis.h"
#include "app/SourceViewHost.h"

namespace lumorca::gui {

class TFindDialog;
class TSourceGrid;

class TSourceFind : public QObject {
    Q_OBJECT
public:
    // What the search needs from the view it searches.
    struct TViewHooks {
        // The selection when it lies on one line.
        std::function<bool(QString& word)> SelectedWord;
        // The line a search starts from.
        std::function<int32_t()> SearchStart;
        std::function<void(int32_t line)> Go;
    };

    // The dialog is a window of `owner`.
    TSourceFind(QObject* parent, QWidget* owner, const ListingLines& lines, const AnalysisResult& analysis,
                TSourceViewHost& host, const TSourceGrid* grid, TViewHooks view);

    void ActionFindExecute();
    void ActionFindNextExecute();
    void ShowFindDialog();
    void setFindDialogText(const QString& text);
    // A new listing: the next hit starts a new series.
    void ForgetFind();

private:
    void FindDialogFind();

    QWidget* owner_;
    const ListingLines& lines_;
    const AnalysisResult& analysis_;
    TSourceViewHost& host_;
    const TSourceGrid* grid_;
    TViewHooks view_;
    QString LastFindText;
    int LastFindLine = -1;
    bool LastFindDown = false;
    TFindDialog* FindDialog = nullptr;
};

}  // namespace lumorca::gui
