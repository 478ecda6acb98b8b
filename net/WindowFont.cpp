#include "WindowFont.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

QFont WindowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont ArialPixels(int pixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

void MakeRowsCompact(QTableWidget& list)
{
    const int line = QFontMetrics(list.font()).height();
    QHeaderView& rows = *list.verticalHeader();
    rows.setMinimumSectionSize(line + 1);
    rows.setDefaultSectionSize(line + 1);
    rows.setSectionResizeMode(QHeaderView::Fixed);
    list.horizontalHeader()->setFixedHeight(line + 4);
}
