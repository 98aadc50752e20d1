#pragma once

#include <QDialog>

// The about box "关于我们": the product's name and version.
class TfrmAboutInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAboutInfo(QWidget *parent = nullptr);

    static const QString kProductName;   // "Korrin物业管理软件"
    static const QString kVersion;       // "v2.25(网络版)"
};
