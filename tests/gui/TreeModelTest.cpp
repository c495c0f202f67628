#include <QAbstractItemModelTester>
#include <QIcon>
#include <QTest>
#include <map>

#include "TestRegistry.h"
#include "app/ImageList.h"
#include "app/TreeModel.h"

namespace lumorca::gui {

namespace {

class TreeModelTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionsImagesAndRecordsComeFromTheNodes() {
        Tree tree;
        TreeNode* root = tree.Add(nullptr, "FORM", 0);
        TreeNode* symbol = tree.Add(root, "gr\xF6\xDF" "e", 6);
        symbol->StateImage = 1;
        TreeNode* leaf = tree.AddWithRecord(symbol, "  12 Trigger <EXEC>", 7, NodeRecord{1, 12, 2});
        TreeModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.SetTree(&tree);

        const QModelIndex rootIndex = model.index(0, 0);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.rowCount(rootIndex), 1);
        const QModelIndex symbolIndex = model.index(0, 0, rootIndex);
        QCOMPARE(symbolIndex.data().toString(), QString::fromUtf8("größe"));
        QCOMPARE(model.NodeOf(model.index(0, 0, symbolIndex)), leaf);
        QCOMPARE(model.IndexOf(leaf).parent(), symbolIndex);

        // The warning mark changes the image; the plain image is the list's.
        const QIcon marked = symbolIndex.data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(marked.cacheKey(), TreeImage(6, true).cacheKey());
        QVERIFY(marked.cacheKey() != TreeImage(6).cacheKey());
        QCOMPARE(rootIndex.data(Qt::DecorationRole).value<QIcon>().cacheKey(), TreeImage(0).cacheKey());
    }

    void AllImagesAreDistinctPictures() {
        std::map<QByteArray, int> seen;
        for (int i = 0; i < TreeImageCount; ++i) {
            const QImage image = DrawTreeImage(i, false, 16).toImage();
            QVERIFY2(!image.isNull(), qPrintable(QString::number(i)));
            const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<qsizetype>(image.sizeInBytes()));
            QVERIFY2(seen.emplace(bytes, i).second,
                     qPrintable(QStringLiteral("image %1 looks like image %2").arg(i).arg(seen[bytes])));
        }
        QVERIFY(TreeImage(TreeImageCount).isNull());
    }

    void LazyChildrenAppearWhenANodeIsExpanded() {
        Tree tree;
        TreeNode* root = tree.Add(nullptr, "entry LP_A", 4);
        std::map<const TreeNode*, int> pending{{root, 2}};
        TreeModel model;
        model.SetLazyChildren(TreeModel::LazyChildren{
            [&](const TreeNode* node) { return pending.count(node) != 0; },
            [&](TreeNode* node) {
                const int count = pending[node];
                pending.erase(node);
                for (int i = 0; i < count; ++i) {
                    TreeNode* child = tree.Add(node, "entry LP_" + std::to_string(i), 26);
                    if (i == 0) pending[child] = 1;
                }
                return count > 0;
            }});
        model.SetTree(&tree);
        const QModelIndex rootIndex = model.index(0, 0);
        QVERIFY(model.hasChildren(rootIndex));
        QCOMPARE(model.rowCount(rootIndex), 0);
        QVERIFY(model.canFetchMore(rootIndex));

        model.fetchMore(rootIndex);
        QCOMPARE(model.rowCount(rootIndex), 2);
        QVERIFY(!model.canFetchMore(rootIndex));
        const QModelIndex first = model.index(0, 0, rootIndex);
        QVERIFY(model.hasChildren(first));
        QVERIFY(!model.hasChildren(model.index(1, 0, rootIndex)));

        // Announced insertions are consistent from the tester's view.
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(first), 1);
        QVERIFY(!model.canFetchMore(first));

        // A rebuild while the view shows the tree.
        {
            TreeModel::Rebuilding rebuilding(&model);
            tree.Clear();
            pending.clear();
            tree.Add(nullptr, "entry LP_Z", 4);
        }
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    }
};

test::RegisterTest<TreeModelTest> registered;

}  // namespace
}  // namespace lumorca::gui

#include "TreeModelTest.moc"
