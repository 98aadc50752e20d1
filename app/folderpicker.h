#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

// The folder picker "选择文件路径": a list of the mounted volumes, the
// folder tree of the chosen volume and the path of the folder selected in it.
// "确定(&O)" gives the shown path, trimmed; "取消(&C)" gives the start folder.
class TDlgSelectPath : public QDialog {
    Q_OBJECT
public:
    explicit TDlgSelectPath(const QString &startFolder, QWidget *parent = nullptr);

    // The folder the dialog ended with: the chosen one after "确定(&O)",
    // the start folder otherwise.
    QString chosenFolder() const { return m_chosen; }

    // Shows the dialog modally and returns the chosen folder.
    static QString pick(const QString &startFolder, QWidget *parent = nullptr);

private:
    void fillVolumes();
    void showVolume(int index);
    void showFolder(const QString &folder);
    void accept() override;
    void reject() override;

    QString m_start;
    QString m_chosen;
    QComboBox *m_volumes = nullptr;
    QTreeView *m_tree = nullptr;
    QFileSystemModel *m_model = nullptr;
    QLineEdit *m_path = nullptr;
};

// Shows the folder picker on startFolder and returns the chosen folder.
QString ShowFolderPicker(const QString &startFolder, QWidget *parent = nullptr);
