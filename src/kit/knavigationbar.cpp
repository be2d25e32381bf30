#include "kit/knavigationbar.h"
#include "kit/knavigationbar_p.h"

#include "kit/delegate.h"
#include "kit/listview.h"
#include "kit/parmscontroller.h"

#include <QStandardItemModel>
#include <QVBoxLayout>

namespace lumo {

namespace {
// The bar sits inside the side widget with this much room on each side.
const int kSideMargin = 8;
} // namespace

KNavigationBarPrivate::KNavigationBarPrivate(KNavigationBar *parent)
    : QObject(parent)
    , q(parent)
{
    m_model = new QStandardItemModel(q);
    m_listView = new ListView(q);
    m_delegate = new Delegate(m_listView);
    m_listView->setModel(m_model);
    m_listView->setAccessibleName(KNavigationBar::tr("Navigation"));
    m_listView->setItemDelegate(m_delegate);

    auto *content = new QWidget(q);
    content->setObjectName("NavigationContent");
    content->setAutoFillBackground(false);
    m_layout = new QVBoxLayout(content);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_listView);
    m_layout->addStretch();
    q->setWidget(content);

    connect(m_model, &QStandardItemModel::rowsInserted, m_listView, &ListView::updateHeight);
    connect(m_model, &QStandardItemModel::rowsRemoved, m_listView, &ListView::updateHeight);
    connect(Parmscontroller::self(), &Parmscontroller::modeChanged, this, [this] { applySizes(); });
    applySizes();
}

void KNavigationBarPrivate::applySizes()
{
    m_listView->setSpacing(Parmscontroller::parm(Parmscontroller::PM_NavigationItemSpacing));
    m_listView->doItemsLayout();
    m_listView->updateHeight();
    q->updateGeometry();
}

KNavigationBar::KNavigationBar(QWidget *parent)
    : QScrollArea(parent)
    , d(new KNavigationBarPrivate(this))
{
    setObjectName("KNavigationBar");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
}

KNavigationBar::~KNavigationBar() = default;

void KNavigationBar::addItem(QStandardItem *item)
{
    if (!item)
        return;
    item->setEditable(false);
    // Long names are elided in the narrow side widget; the tooltip has them whole.
    if (!item->data(Qt::ToolTipRole).isValid())
        item->setToolTip(item->text());
    d->m_model->appendRow(item);
}

void KNavigationBar::addGroupItems(const QList<QStandardItem *> &items, const QString &tag)
{
    addTag(tag);
    for (QStandardItem *item : items)
        addItem(item);
}

void KNavigationBar::addTag(const QString &tag)
{
    auto *item = new QStandardItem(tag);
    item->setData(true, Delegate::TagRole);
    // A group title is never current and never takes the focus.
    item->setFlags(Qt::NoItemFlags);
    d->m_model->appendRow(item);
}

QStandardItemModel *KNavigationBar::model()
{
    return d->m_model;
}

QListView *KNavigationBar::listview()
{
    return d->m_listView;
}

QSize KNavigationBar::sizeHint() const
{
    const int width = Parmscontroller::parm(Parmscontroller::PM_SideWidgetWidth) - 2 * kSideMargin;
    return QSize(width, d->m_listView->sizeHint().height());
}

} // namespace lumo
