#include "TVysledekOkno.h"

#include "DialogLook.h"
#include "ResultTreeModel.h"
#include "SearchLook.h"
#include "TOfficeButton.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QTreeView>

namespace {
constexpr QSize kButton{72, 22};
} // namespace

TVysledekOkno::TVysledekOkno(HlavniSluzby& sluzby, const QString& name, const Hints& hints)
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_guard(sluzby, QStringLiteral("SBO2"))
{
    setObjectName(name);
    setFixedSize(kSize);
    setFont(classicFont());
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, searchlook::ground());
    setPalette(yellow);
    setAutoFillBackground(true);
    m_chosen = createField(QStringLiteral("DBEdit1"));
    m_chosen->setReadOnly(true);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("Label1"));
    m_heading->setFont(classicFont(true));
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setGeometry(8, 6, width() - 16, 16);
    createTree();
    createButtons(hints);
}

TVysledekOkno::~TVysledekOkno()
{
    m_guard.leave();
}

QLineEdit* TVysledekOkno::createField(const QString& name)
{
    auto* field = new QLineEdit(QStringLiteral("0"), this);
    field->setObjectName(name);
    field->hide();
    return field;
}

void TVysledekOkno::createTree()
{
    m_model = new ResultTreeModel(this);
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setUniformRowHeights(true);
    // A right click selects the entry under the pointer, as a left click does.
    m_tree->setContextMenuPolicy(Qt::PreventContextMenu);
    setHint(m_tree, QStringLiteral("Abecední seznam klíčových slov"));
    m_tree->setGeometry(8, 26, 236, 215);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TVysledekOkno::entryChosen);
    connect(m_tree, &QTreeView::doubleClicked, this, [this] {
        if (canShow())
            confirm();
    });
}

void TVysledekOkno::createButtons(const Hints& hints)
{
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, 246, width() - 16, 2);
    m_zobrazit = new TOfficeButton(QStringLiteral("Zobrazit"), this);
    m_zobrazit->setObjectName(QStringLiteral("Zobrazit"));
    setHint(m_zobrazit, hints.zobrazit);
    m_zobrazit->setGeometry(width() - 16 - 2 * kButton.width(), 254, kButton.width(),
                            kButton.height());
    m_zobrazit->setEnabled(false);
    connect(m_zobrazit, &TOfficeButton::clicked, this, [this] { confirm(); });
    auto* konec = new TOfficeButton(QStringLiteral("Konec"), this);
    konec->setObjectName(QStringLiteral("Konec"));
    setHint(konec, hints.konec);
    konec->setGeometry(width() - 8 - kButton.width(), 254, kButton.width(), kButton.height());
    connect(konec, &TOfficeButton::clicked, this, &TVysledekOkno::hide);
}

void TVysledekOkno::setHeading(const QString& heading)
{
    m_heading->setText(heading);
}

QString TVysledekOkno::heading() const
{
    return m_heading->text();
}

const search::ResultTree& TVysledekOkno::results() const
{
    return m_model->tree();
}

QString TVysledekOkno::chosenText() const
{
    return m_chosen->text();
}

bool TVysledekOkno::canShow() const
{
    return m_zobrazit->isEnabled();
}

void TVysledekOkno::ukazat()
{
    if (isVisible())
        return;
    m_tree->setUpdatesEnabled(false);
    search::ResultTree tree;
    const Status s = fill(tree);
    m_model->setTree(std::move(tree));
    // A new list starts at its top, where its first entry is, not where the
    // last list was left.
    m_tree->scrollToTop();
    m_tree->setUpdatesEnabled(true);
    entryChosen();
    if (const QScreen* where = QGuiApplication::primaryScreen())
        move(where->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_tree->setFocus();
    if (!s)
        emit failed(s);
}

// DBEdit1 follows the entry; "Zobrazit" follows DBEdit1.
void TVysledekOkno::entryChosen()
{
    const int node = m_model->node(m_tree->currentIndex());
    m_target = node == search::ResultTree::kTop ? search::ResultTree::Target{}
                                                : m_model->tree().target(node);
    m_chosen->setText(m_target.isValid() ? textFor(node, m_target) : QString());
    m_zobrazit->setEnabled(!m_chosen->text().isEmpty());
    chosenChanged(m_chosen->text());
}

void TVysledekOkno::chosenChanged(const QString&) {}

void TVysledekOkno::enterPressed()
{
    if (canShow())
        confirm();
}

void TVysledekOkno::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_guard.enter();
}

void TVysledekOkno::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    resetCodes();
    m_guard.leave();
}

void TVysledekOkno::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterPressed();
        return;
    case Qt::Key_Escape:
        hide();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// A silver frame around the yellow panel.
void TVysledekOkno::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 3));
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}
