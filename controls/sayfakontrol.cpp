#include "sayfakontrol.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionTab>

namespace mivo {

TsTabBar::TsTabBar(QWidget* parent) : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setIconSize(QSize(24, 24));
    setElideMode(Qt::ElideNone);
}

QSize TsTabBar::tabSizeHint(int) const { return QSize(TabGenislik + 4, TabYukseklik + 4); }

void TsTabBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    auto* pc = qobject_cast<TsPageControl*>(parentWidget());
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i).adjusted(2, 2, -2, -2);
        const bool secili = i == currentIndex();
        const bool uzerinde = r.contains(mapFromGlobal(QCursor::pos()));
        const QPalette& pal = palette();
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        QColor ust = secili ? pal.color(QPalette::Highlight).lighter(160) : pal.color(QPalette::Button).lighter(108);
        QColor alt = secili ? pal.color(QPalette::Highlight).lighter(125) : pal.color(QPalette::Button);
        if (uzerinde && !secili) { ust = ust.lighter(104); alt = alt.lighter(106); }
        g.setColorAt(0, ust);
        g.setColorAt(1, alt);
        p.setPen(QPen(secili ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        const QIcon ic = tabIcon(i);
        // Icon and two caption lines must fit 110 pixels: a 24-pixel icon and a smaller bold face.
        const QRect ir(r.left() + 4, r.center().y() - 12, 24, 24);
        if (!ic.isNull()) ic.paint(&p, ir);
        QFont f = font();
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(pal.color(QPalette::ButtonText));
        const QRect tr(ir.right() + 4, r.top() + 2, r.right() - ir.right() - 5, r.height() - 4);
        p.drawText(tr, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, tabText(i));
        const int badge = pc ? tabData(i).toInt() : 0;
        if (badge > 0) {
            // A red 25 x 25 circle at the top-right corner, white outline, white Arial 9.
            const QRectF br(r.right() - 25 + 3, r.top() - 3, 25, 25);
            p.setPen(QPen(Qt::white, 2));
            p.setBrush(QColor(220, 30, 30));
            p.drawEllipse(br.adjusted(1, 1, -1, -1));
            QFont bf(QStringLiteral("Arial"));
            bf.setPointSize(9);
            bf.setBold(true);
            p.setFont(bf);
            p.setPen(Qt::white);
            p.drawText(br, Qt::AlignCenter, QString::number(badge));
        }
    }
}

TsPageControl::TsPageControl(QWidget* parent) : QTabWidget(parent), bar_(new TsTabBar(this))
{
    setTabBar(bar_);
    setDocumentMode(true);
    connect(this, &QTabWidget::currentChanged, this, [this](int i) {
        TsTabSheet* yeni = qobject_cast<TsTabSheet*>(widget(i));
        if (onceki_ && onceki_ != yeni) { emit onceki_->OnHide(); emit sayfaGizlendi(onceki_); }
        onceki_ = yeni;
        if (yeni) { emit yeni->OnShow(); emit sayfaGosterildi(yeni); }
    });
}

void TsPageControl::SayfaEkle(TsTabSheet* s)
{
    s->pc_ = this;
    sayfalar_.push_back(s);
    const int i = addTab(s, s->ImageIndex() >= 0 ? SekmeIkonu(s->ImageIndex()) : QIcon(), s->Caption());
    tabBar()->setTabData(i, s->BagTag());
    if (!onceki_) onceki_ = s;
}

void TsPageControl::SayfaGizle(TsTabSheet* s, bool gizli)
{
    s->visible_ = !gizli;
    const int i = indexOf(s);
    if (gizli && i >= 0) {
        removeTab(i);
    } else if (!gizli && i < 0) {
        int yer = 0;
        for (TsTabSheet* x : sayfalar_) {
            if (x == s) break;
            if (indexOf(x) >= 0) ++yer;
        }
        const int k = insertTab(yer, s, SekmeIkonu(s->ImageIndex()), s->Caption());
        tabBar()->setTabData(k, s->BagTag());
    }
}

TsTabSheet* TsPageControl::ActivePage() const { return qobject_cast<TsTabSheet*>(currentWidget()); }

void TsPageControl::SetActivePage(TsTabSheet* s)
{
    if (indexOf(s) >= 0) setCurrentWidget(s);
}

void TsPageControl::BadgeYenile(TsTabSheet* s)
{
    const int i = indexOf(s);
    if (i < 0) return;
    tabBar()->setTabData(i, s->BagTag());
    tabBar()->update(tabBar()->tabRect(i).adjusted(-4, -4, 4, 4));
}

TsTabSheet::TsTabSheet(const QString& ad, const QString& caption, int imageIndex, QWidget* parent)
    : QWidget(parent), caption_(caption), imageIndex_(imageIndex)
{
    setObjectName(ad);
}

void TsTabSheet::SetCaption(const QString& c)
{
    caption_ = c;
    if (pc_) {
        const int i = pc_->indexOf(this);
        if (i >= 0) pc_->setTabText(i, c);
    }
}

void TsTabSheet::SetBagTag(int v)
{
    bagTag_ = v;
    if (pc_) pc_->BadgeYenile(this);
}

QIcon SekmeIkonu(int index)
{
    return QIcon(QStringLiteral(":/mivo/sekme/%1.svg").arg(index));
}

} // namespace mivo
