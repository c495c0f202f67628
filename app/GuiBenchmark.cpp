// Times loading a generated listing in the real window, from LoadFile until
// every view is shown, and the repaint after scrolling the source view by a
// page. Usage: lumorca_gui_benchmark [LINES]
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <fstream>
#include <string>

#include "app/Main.h"
#include "app/SourceView.h"
#include "bench/ListingGenerator.h"

namespace {

// Peak resident memory in MB where the system tells it, else -1.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        std::getline(status, key);
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const size_t lines = argc > 1 ? std::stoul(argv[1]) : 100000;

    QTemporaryDir dir;
    lumorca::bench::ListingShape shape;
    shape.Lines = lines;
    const std::string bytes = lumorca::bench::GenerateListing(shape);
    const QString file = dir.filePath(QStringLiteral("bench.pro"));
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return 2;
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();

    lumorca::gui::TMessageBoxes messages;
    lumorca::gui::TMain main(dir.filePath(QStringLiteral("Lumorca7")),
                             QStringLiteral("Lumorca7-benchmark"), &messages);
    main.findChild<QCheckBox*>(QStringLiteral("CheckBoxINI"))->setChecked(false);
    main.resize(1280, 900);
    main.Startup({QStringLiteral("Lumorca7")});
    main.show();
    QApplication::processEvents();
    const double before = PeakMegabytes();

    QElapsedTimer timer;
    timer.start();
    main.LoadFile(file);
    QApplication::processEvents();
    main.repaint();
    const double loadMs = double(timer.nsecsElapsed()) / 1e6;

    // The longest structure, so that paging has somewhere to go.
    int32_t longest = 0;
    for (size_t s = 1; s < main.Analysed().StructureStarts.size(); ++s) {
        const int32_t end = s + 1 < main.Analysed().StructureStarts.size() ? main.Analysed().StructureStarts[s + 1]
                                                                 : int32_t(main.Listing().size());
        const int32_t best = longest + 1 < int32_t(main.Analysed().StructureStarts.size())
                                 ? main.Analysed().StructureStarts[longest + 1] - main.Analysed().StructureStarts[longest]
                                 : 0;
        if (end - main.Analysed().StructureStarts[s] > best) longest = int32_t(s);
    }
    main.SourceView().GotoPosition(longest, -1, false);
    QApplication::processEvents();
    const int pages = 50;
    timer.restart();
    for (int i = 0; i < pages; ++i) {
        QTest::keyClick(main.SourceView().Grid(), i % 10 < 5 ? Qt::Key_PageDown : Qt::Key_PageUp);
        main.SourceView().Grid()->viewport()->repaint();
    }
    const double pageMs = double(timer.nsecsElapsed()) / 1e6 / pages;

    out << "lines " << main.Listing().size() << ", structures " << main.Analysed().StructureStarts.size()
        << "\nload to all views shown: " << QString::number(loadMs, 'f', 0) << " ms"
        << "\npeak memory: " << QString::number(PeakMegabytes(), 'f', 0) << " MB (before loading "
        << QString::number(before, 'f', 0) << " MB)"
        << "\npage scroll repaint: " << QString::number(pageMs, 'f', 2) << " ms ("
        << main.SourceView().Grid()->RowCount() << " rows in the structure)\n";
    return 0;
}
