#include "PanelStatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

PanelStatusBar::PanelStatusBar(QWidget* parent)
    : QFrame(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    layout->addStretch(1);
}

void PanelStatusBar::addPanel(const QString& text, int width)
{
    auto* panel = new QLabel(text, this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedWidth(width);
    panel->setVisible(width > 0);
    auto* box = static_cast<QHBoxLayout*>(layout());
    // Panels stay left-aligned ahead of the closing stretch.
    box->insertWidget(box->count() - 1, panel);
    m_panels.push_back(panel);
}

QString PanelStatusBar::panelText(int index) const
{
    if (index < 0 || index >= m_panels.size())
        return QString();
    return m_panels[index]->text();
}

void PanelStatusBar::setPanelText(int index, const QString& text)
{
    if (index < 0 || index >= m_panels.size())
        return;
    if (m_panels[index]->text() != text)
        m_panels[index]->setText(text);
}
