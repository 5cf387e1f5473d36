#include "TLookOut.h"

#include "TLookOutButton.h"

#include <QAction>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TLookOut::TLookOut(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("LookOut1"));
    setFixedWidth(kWidth);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "TLookOut { background: #6f7b8b; }"
        "QPushButton { background: #c8ced6; border: 1px solid #4d5662; padding: 3px; }"
        "QPushButton:hover { background: #dde2e8; }"
        "QScrollArea, QScrollArea > QWidget > QWidget { background: #6f7b8b; border: none; }"));
}

int TLookOut::addPage(const QString& name, const QString& caption, const QString& hint)
{
    const int index = int(m_pages.size());
    Page page;
    page.frame = new QWidget(this);
    page.frame->setObjectName(name);
    auto* frameLayout = new QVBoxLayout(page.frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->setSpacing(0);

    page.header = new QPushButton(caption, page.frame);
    page.header->setObjectName(name + QStringLiteral("Hlavicka"));
    page.header->setStatusTip(hint);
    page.header->setFocusPolicy(Qt::NoFocus);
    frameLayout->addWidget(page.header);

    page.scroller = new QScrollArea(page.frame);
    page.scroller->setWidgetResizable(true);
    page.scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(page.scroller);
    page.column = new QVBoxLayout(content);
    page.column->setContentsMargins(4, 8, 4, 8);
    page.column->setSpacing(6);
    page.column->addStretch();
    page.scroller->setWidget(content);
    frameLayout->addWidget(page.scroller, 1);

    m_layout->addWidget(page.frame);
    m_pages.append(page);
    connect(page.header, &QPushButton::clicked, this, [this, index] {
        setCurrentPage(index);
        emit pageClicked(index);
    });
    setCurrentPage(m_current < 0 ? 0 : m_current);
    return index;
}

void TLookOut::addButton(int page, QAction* action)
{
    const Page& target = m_pages.at(page);
    auto* button = new TLookOutButton(kWidth - 8, target.scroller->widget());
    button->setObjectName(action->objectName());
    button->setDefaultAction(action);
    // Before the closing stretch, so the column starts at the top.
    target.column->insertWidget(target.column->count() - 1, button);
}

void TLookOut::setCurrentPage(int page)
{
    if (page < 0 || page >= m_pages.size())
        return;
    m_current = page;
    for (int i = 0; i < m_pages.size(); ++i) {
        const bool open = i == page;
        m_pages[i].scroller->setVisible(open);
        m_layout->setStretchFactor(m_pages[i].frame, open ? 1 : 0);
    }
}
