#include "app/datamodule.h"
#include "app/grid/gridview.h"
#include "dbtestmain.h"
#include "estate/tdlgfcinfocx.h"
#include "estatefixture.h"
#include "estatesession.h"
#include "scriptedmessages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <optional>

using namespace estatefixture;

// The house picker dialog driven as the user does.
class TestHousePicker : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void offersSoldHousesOfTheChosenNodeOnly();
    void roomNumberNarrowsOnEveryKeystroke();
    void returnsTheCurrentRowOnlyWhenConfirmed();
    void cancelOrConfirmWithoutQueryKeepsTheCallersValue();
    void restrictedOperatorSeesOnlyHisAreas();

private:
    struct Estate {
        int sold101 = 0;
        int occupied102 = 0;
        int unsold103 = 0;
        int noStatus104 = 0;
        int otherBuilding = 0;
        int otherArea = 0;
    };
    static Estate addEstate();
    static QStringList rooms(const TDLGfcinfoCX &dialog);
    static void chooseNode(TDLGfcinfoCX &dialog, const QString &text);

    std::optional<TestDatabase> m_db;
    std::optional<TdmData> m_data;
};

void TestHousePicker::init()
{
    m_db.emplace();
    QVERIFY(m_db->isValid());
    m_data.emplace();
    m_data->UseConnection(m_db->settings());
}

void TestHousePicker::cleanup()
{
    m_data.reset();
    m_db.reset();
}

TestHousePicker::Estate TestHousePicker::addEstate()
{
    addArea(QStringLiteral("阳光小区"));
    addArea(QStringLiteral("月亮小区"));
    Estate e;
    const QString sun = QStringLiteral("阳光小区");
    e.sold101 = addHouse(sun, QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("已销售"));
    e.occupied102 = addHouse(sun, QStringLiteral("1"), QStringLiteral("102"), QStringLiteral("已入住"));
    e.unsold103 = addHouse(sun, QStringLiteral("1"), QStringLiteral("103"), QStringLiteral("未销售"));
    e.noStatus104 = addHouse(sun, QStringLiteral("1"), QStringLiteral("104"), QVariant());
    e.otherBuilding = addHouse(sun, QStringLiteral("2"), QStringLiteral("201"), QStringLiteral("已销售"));
    e.otherArea = addHouse(QStringLiteral("月亮小区"), QStringLiteral("1"), QStringLiteral("101"),
                           QStringLiteral("已销售"));
    return e;
}

QStringList TestHousePicker::rooms(const TDLGfcinfoCX &dialog)
{
    auto *grid = dialog.findChild<GridView *>(QStringLiteral("DBGridEh1"));
    QStringList out;
    for (int row = 0; row < grid->rowCount(); ++row)
        out << grid->value(row, QStringLiteral("F_LDcode")).toString() + QLatin1Char('-')
                   + grid->value(row, QStringLiteral("F_code")).toString();
    return out;
}

// Selects the node with that text and double-clicks it, as the user does.
void TestHousePicker::chooseNode(TDLGfcinfoCX &dialog, const QString &text)
{
    auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("tvTree"));
    const QList<QTreeWidgetItem *> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!found.isEmpty());
    tree->setCurrentItem(found.first());
    emit tree->itemDoubleClicked(found.first(), 0);
}

void TestHousePicker::offersSoldHousesOfTheChosenNodeOnly()
{
    EstateSession session;
    addEstate();

    TDLGfcinfoCX dialog;
    dialog.BuildTree();
    QVERIFY(rooms(dialog).isEmpty());
    chooseNode(dialog, QStringLiteral("阳光小区"));
    QCOMPARE(rooms(dialog), (QStringList{"1-101", "1-102", "2-201"}));
    auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("tvTree"));
    QCOMPARE(tree->topLevelItemCount(), 2);

    // A building node: only that building of that area.
    tree->setCurrentItem(tree->findItems(QStringLiteral("阳光小区"), Qt::MatchExactly).first()->child(0));
    dialog.findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click();
    QCOMPARE(rooms(dialog), (QStringList{"1-101", "1-102"}));
}

void TestHousePicker::roomNumberNarrowsOnEveryKeystroke()
{
    EstateSession session;
    addEstate();

    TDLGfcinfoCX dialog;
    dialog.BuildTree();
    chooseNode(dialog, QStringLiteral("阳光小区"));
    auto *room = dialog.findChild<QLineEdit *>(QStringLiteral("edtCode"));
    QTest::keyClick(room, Qt::Key_0);
    QCOMPARE(rooms(dialog), (QStringList{"1-101", "1-102", "2-201"}));
    QTest::keyClick(room, Qt::Key_2);
    QCOMPARE(rooms(dialog), (QStringList{"1-102"}));
    QTest::keyClick(room, Qt::Key_Backspace);
    QTest::keyClick(room, Qt::Key_1);
    QCOMPARE(rooms(dialog), (QStringList{"1-101", "2-201"}));
}

void TestHousePicker::returnsTheCurrentRowOnlyWhenConfirmed()
{
    EstateSession session;
    const Estate e = addEstate();

    TDLGfcinfoCX dialog;
    dialog.BuildTree();
    chooseNode(dialog, QStringLiteral("阳光小区"));
    auto *grid = dialog.findChild<GridView *>(QStringLiteral("DBGridEh1"));
    // Mark all rows; the current one decides.
    grid->selectAll();
    grid->setCurrentRow(1);
    dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Result(-1), e.occupied102);
}

void TestHousePicker::cancelOrConfirmWithoutQueryKeepsTheCallersValue()
{
    EstateSession session;
    const Estate e = addEstate();

    {
        TDLGfcinfoCX dialog;
        QTimer::singleShot(0, &dialog, [&dialog] {
            dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        });
        QCOMPARE(dialog.PickHouse(e.sold101), e.sold101);
    }
    {
        TDLGfcinfoCX dialog;
        QTimer::singleShot(0, &dialog, [&dialog] {
            auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("tvTree"));
            tree->setCurrentItem(tree->topLevelItem(1));
            emit tree->itemDoubleClicked(tree->topLevelItem(1), 0);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(dialog.PickHouse(-1), -1);
    }
}

void TestHousePicker::restrictedOperatorSeesOnlyHisAreas()
{
    addEstate();
    EstateSession session({QStringLiteral("月亮小区")}, true);

    TDLGfcinfoCX dialog;
    dialog.BuildTree();
    auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("tvTree"));
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("月亮小区"));
    chooseNode(dialog, QStringLiteral("月亮小区"));
    QCOMPARE(rooms(dialog), QStringList{"1-101"});
}

VEL_DB_TEST_MAIN(TestHousePicker)
#include "tst_tdlgfcinfocx.moc"
