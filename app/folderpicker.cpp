#include "app/folderpicker.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The mount point that holds path: the longest root that is a prefix of it,
// whether or not path exists yet.
int volumeOf(const QComboBox *volumes, const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < volumes->count(); ++i) {
        const QString root = volumes->itemData(i).toString();
        const bool inside = clean == root || root == QLatin1String("/")
                            || clean.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (inside && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

}  // namespace

TDlgSelectPath::TDlgSelectPath(const QString &startFolder, QWidget *parent)
    : QDialog(parent), m_start(startFolder), m_chosen(startFolder)
{
    setObjectName(QStringLiteral("TDlgSelectPath"));
    setWindowTitle(QStringLiteral("选择文件路径"));

    m_volumes = new QComboBox(this);
    m_volumes->setObjectName(QStringLiteral("cbbDrive"));
    auto *volumeLabel = new QLabel(QStringLiteral("驱动器:"), this);
    volumeLabel->setBuddy(m_volumes);

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QStringLiteral("/"));

    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("tvFolder"));
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();

    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("edtPath"));
    auto *pathLabel = new QLabel(QStringLiteral("路径名："), this);
    pathLabel->setBuddy(m_path);

    auto *ok = new QPushButton(QStringLiteral("确定(&O)"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));

    auto *volumeRow = new QHBoxLayout;
    volumeRow->addWidget(volumeLabel);
    volumeRow->addWidget(m_volumes, 1);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_path, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(volumeRow);
    layout->addWidget(m_tree, 1);
    layout->addLayout(pathRow);
    layout->addLayout(buttons);
    resize(420, 460);

    connect(ok, &QPushButton::clicked, this, &TDlgSelectPath::accept);
    connect(cancel, &QPushButton::clicked, this, &TDlgSelectPath::reject);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    m_path->setText(QDir::toNativeSeparators(m_model->filePath(current)));
            });

    fillVolumes();
    const QString start = startFolder.trimmed();
    const int volume = volumeOf(m_volumes, start.isEmpty() ? QDir::homePath() : start);
    {
        const QSignalBlocker blocker(m_volumes);
        m_volumes->setCurrentIndex(qMax(0, volume));
    }
    showVolume(m_volumes->currentIndex());
    showFolder(start);
    connect(m_volumes, &QComboBox::currentIndexChanged, this, &TDlgSelectPath::showVolume);
}

QString TDlgSelectPath::pick(const QString &startFolder, QWidget *parent)
{
    TDlgSelectPath dialog(startFolder, parent);
    dialog.exec();
    return dialog.chosenFolder();
}

void TDlgSelectPath::fillVolumes()
{
    QStringList roots;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()
            && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    if (!roots.contains(QStringLiteral("/")))
        roots << QStringLiteral("/");
    roots.sort();
    for (const QString &root : roots)
        m_volumes->addItem(QDir::toNativeSeparators(root), root);
}

void TDlgSelectPath::showVolume(int index)
{
    const QString root = m_volumes->itemData(index).toString();
    if (root.isEmpty())
        return;
    m_tree->setRootIndex(m_model->index(root));
    m_tree->clearSelection();
    m_path->setText(QDir::toNativeSeparators(root));
}

// Opens the tree on folder when it exists; a folder that does not exist yet
// (the backup window creates it) is shown as typed.
void TDlgSelectPath::showFolder(const QString &folder)
{
    if (folder.isEmpty()) {
        m_path->clear();
        return;
    }
    if (!QFileInfo(folder).isDir()) {
        m_tree->clearSelection();
        m_path->setText(folder);
        return;
    }
    const QModelIndex index = m_model->index(QDir::cleanPath(QDir(folder).absolutePath()));
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    m_tree->expand(index);
    m_path->setText(QDir::toNativeSeparators(m_model->filePath(index)));
}

void TDlgSelectPath::accept()
{
    m_chosen = m_path->text().trimmed();
    QDialog::accept();
}

void TDlgSelectPath::reject()
{
    m_chosen = m_start;
    QDialog::reject();
}

QString ShowFolderPicker(const QString &startFolder, QWidget *parent)
{
    return TDlgSelectPath::pick(startFolder, parent);
}
