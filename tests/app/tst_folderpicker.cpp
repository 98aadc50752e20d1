#include "app/folderpicker.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

// The folder picker, driven headless through its controls.
class TestFolderPicker : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOnTheStartFolder();
    void cancelReturnsTheStartFolder();
    void okReturnsTheShownFolderTrimmed();
    void choosingInTheTreeShowsThePath();
    void missingStartFolderIsShownAsTyped();

private:
    QTemporaryDir *m_dir = nullptr;
    QString m_start;
};

void TestFolderPicker::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("备份/daily")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("other")));
    m_start = QDir::cleanPath(m_dir->filePath(QStringLiteral("备份/daily")));
}

void TestFolderPicker::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

void TestFolderPicker::opensOnTheStartFolder()
{
    TDlgSelectPath dialog(m_start);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("选择文件路径"));
    auto *path = dialog.findChild<QLineEdit *>(QStringLiteral("edtPath"));
    auto *volumes = dialog.findChild<QComboBox *>(QStringLiteral("cbbDrive"));
    auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("tvFolder"));
    QVERIFY(path && volumes && tree);

    QCOMPARE(path->text(), m_start);
    QCOMPARE(volumes->currentData().toString(), QStorageInfo(m_start).rootPath());
    auto *model = qobject_cast<QFileSystemModel *>(tree->model());
    QVERIFY(model);
    QCOMPARE(model->filePath(tree->currentIndex()), m_start);
}

void TestFolderPicker::cancelReturnsTheStartFolder()
{
    TDlgSelectPath dialog(QStringLiteral(" ") + m_start);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *path = dialog.findChild<QLineEdit *>(QStringLiteral("edtPath"));
    path->setText(m_dir->filePath(QStringLiteral("other")));

    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnCancel")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // The start folder comes back exactly as it was given.
    QCOMPARE(dialog.chosenFolder(), QStringLiteral(" ") + m_start);
}

void TestFolderPicker::okReturnsTheShownFolderTrimmed()
{
    TDlgSelectPath dialog(m_start);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *path = dialog.findChild<QLineEdit *>(QStringLiteral("edtPath"));
    const QString typed = m_dir->filePath(QStringLiteral("新目录"));
    path->setText(QStringLiteral("  ") + typed + QStringLiteral("  "));

    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenFolder(), typed);
}

void TestFolderPicker::choosingInTheTreeShowsThePath()
{
    TDlgSelectPath dialog(m_start);
    auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("tvFolder"));
    auto *model = qobject_cast<QFileSystemModel *>(tree->model());
    const QString other = QDir::cleanPath(m_dir->filePath(QStringLiteral("other")));

    tree->setCurrentIndex(model->index(other));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edtPath"))->text(), other);
    dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    QCOMPARE(dialog.chosenFolder(), other);
}

void TestFolderPicker::missingStartFolderIsShownAsTyped()
{
    const QString missing = m_dir->filePath(QStringLiteral("not/yet"));
    TDlgSelectPath dialog(missing);
    auto *volumes = dialog.findChild<QComboBox *>(QStringLiteral("cbbDrive"));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edtPath"))->text(), missing);
    QCOMPARE(volumes->currentData().toString(), QStorageInfo(m_dir->path()).rootPath());
    dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    QCOMPARE(dialog.chosenFolder(), missing);
}

QTEST_MAIN(TestFolderPicker)
#include "tst_folderpicker.moc"
