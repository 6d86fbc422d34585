#pragma once
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QPainter;

// A row of column headings whose sections are painted by their owner, so
// that the headings share the colours and alignment of the form below.
class HeaderStrip : public QWidget {
    Q_OBJECT
public:
    struct Section {
        QString text;
        int width = 0; // 0: takes the rest of the strip
    };
    using DrawSection = std::function<void(QPainter &, int index, const QRect &)>;

    explicit HeaderStrip(QWidget *parent = nullptr);

    void setSections(const QList<Section> &sections);
    const QList<Section> &sections() const { return sections_; }
    QRect sectionRect(int index) const;
    void setDrawSection(DrawSection draw) { draw_ = std::move(draw); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Section> sections_;
    DrawSection draw_;
};
