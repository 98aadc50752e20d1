#include "app/folderpicker.h"

TDlgSelectPath::TDlgSelectPath(const QString &startFolder, QWidget *parent)
    : QDialog(parent), m_start(startFolder), m_chosen(startFolder)
{
}

QString TDlgSelectPath::pick(const QString &startFolder, QWidget *parent)
{
    TDlgSelectPath dialog(startFolder, parent);
    dialog.exec();
    return dialog.chosenFolder();
}

void TDlgSelectPath::fillVolumes() {}
void TDlgSelectPath::showVolume(int) {}
void TDlgSelectPath::showFolder(const QString &) {}
void TDlgSelectPath::accept() { QDialog::accept(); }
void TDlgSelectPath::reject() { QDialog::reject(); }

QString ShowFolderPicker(const QString &startFolder, QWidget *parent)
{
    return TDlgSelectPath::pick(startFolder, parent);
}
