#pragma once

#include <QGridLayout>
#include <QString>

class QWidget;

// The inputs of an edit window laid out as caption and input pairs, several
// pairs to a row; a wide input such as a remark box takes the rest of its row
// with its caption at the top.
class CaptionGrid : public QGridLayout {
public:
    CaptionGrid(QWidget *labelParent, int pairsPerRow);

    void add(int row, int pair, const QString &caption, QWidget *input);
    void addWide(int row, const QString &caption, QWidget *input);

private:
    void addCaption(int row, int pair, const QString &caption, QWidget *input, Qt::Alignment alignment);

    QWidget *m_labelParent;
    int m_pairsPerRow;
};
