#pragma once
// The work-area page control: button-style tabs with an icon, left-aligned
// two-line captions and a per-tab badge number (BagTag) drawn above 0.
#include <QTabBar>
#include <QTabWidget>

namespace mivo {

class TsTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TsTabBar(QWidget* parent = nullptr);
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    int TabGenislik = 110;
    int TabYukseklik = 55;

protected:
    void paintEvent(QPaintEvent*) override;
};

class TsTabSheet;

class TsPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TsPageControl(QWidget* parent = nullptr);
    TsTabBar* Bar() const { return bar_; }

    // Pages in their designed order; a hidden page keeps its place for when it is shown again.
    void SayfaEkle(TsTabSheet* s);
    void SayfaGizle(TsTabSheet* s, bool gizli);
    TsTabSheet* ActivePage() const;
    void SetActivePage(TsTabSheet* s);
    QList<TsTabSheet*> Sayfalar() const { return sayfalar_; }
    void BadgeYenile(TsTabSheet* s);

signals:
    void sayfaGosterildi(TsTabSheet* s);
    void sayfaGizlendi(TsTabSheet* s);

private:
    TsTabBar* bar_;
    QList<TsTabSheet*> sayfalar_;
    TsTabSheet* onceki_ = nullptr;
};

class TsTabSheet : public QWidget {
    Q_OBJECT
public:
    TsTabSheet(const QString& ad, const QString& caption, int imageIndex, QWidget* parent = nullptr);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& c);
    int ImageIndex() const { return imageIndex_; }
    int BagTag() const { return bagTag_; }
    void SetBagTag(int v);   // repaints the tab
    bool TabVisible() const { return visible_; }
    TsPageControl* PageControl() const { return pc_; }

signals:
    void OnShow();
    void OnHide();

private:
    friend class TsPageControl;
    QString caption_;
    int imageIndex_;
    int bagTag_ = 0;
    bool visible_ = true;
    TsPageControl* pc_ = nullptr;
};

// The icon of a tab image index (drawn for this project, in the resources).
QIcon SekmeIkonu(int index);

} // namespace mivo
