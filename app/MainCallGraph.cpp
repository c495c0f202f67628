// "Save call graph..." of the call window's pop-up menu: the whole listing's
// call graph as a Graphviz file, and a picture of it when Graphviz is there.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "analyzer/CallGraphDot.h"
#include "app/Main.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

QString TMain::MenuItemSaveCallGraphClick() {
    if (!HasListing()) return {};
    const QString proposal =
        (ListingComponent.isEmpty() ? QStringLiteral("calls") : ListingComponent) +
        QStringLiteral(".dot");
    QString name;
    if (Services.CallGraphFileName) {
        name = Services.CallGraphFileName(proposal);
    } else {
        QString caption = Txt(TextSaveCallGraph);
        caption.remove(QStringLiteral("..."));
        name = QFileDialog::getSaveFileName(this, caption, proposal,
                                            QStringLiteral("Graphviz (*.dot *.gv);;All files (*)"));
    }
    if (name.isEmpty()) return {};
    if (!QFileInfo(name).fileName().contains(QLatin1Char('.'))) name += QStringLiteral(".dot");

    const std::string dot = CallGraphDot(Analysis);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(dot.data(), static_cast<qint64>(dot.size())) != static_cast<qint64>(dot.size()) ||
        !file.commit()) {
        file.cancelWriting();
        Messages->Error(this, Txt(TextNotWritten).replace(QStringLiteral("%s"), name));
        return {};
    }

    const QString graphviz = QStandardPaths::findExecutable(QStringLiteral("dot"));
    if (!graphviz.isEmpty()) {
        const QFileInfo info(name);
        const QString svg = info.dir().filePath(info.completeBaseName() + QStringLiteral(".svg"));
        QProcess process;
        process.start(graphviz, {QStringLiteral("-Tsvg"), name, QStringLiteral("-o"), svg});
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            process.kill();
            Messages->Error(this, Txt(TextNotWritten).replace(QStringLiteral("%s"), svg));
        }
    }
    return name;
}

}  // namespace lumorca::gui
