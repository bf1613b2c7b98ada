#include "framework/controls/StaticContents.h"

#include <QEvent>
#include <QRegion>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>

namespace {

// Repaints the edge bands a resize moved: Qt repaints only the newly exposed parts of a
// widget with static contents, and a border drawn along the old edge would stay behind.
class TEdgeBandRepaint : public QObject {
public:
    static constexpr const char* kName = "vq_edge_bands";

    TEdgeBandRepaint(QWidget* widget, TEdgeBands bands)
        : QObject(widget), FBands(std::move(bands)) {
        setObjectName(QLatin1String(kName));
    }

    void SetBands(TEdgeBands bands) { FBands = std::move(bands); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Resize || !FBands) return false;
        auto* widget = static_cast<QWidget*>(watched);
        const auto* e = static_cast<QResizeEvent*>(event);
        const QSize now = e->size(), before = e->oldSize();
        if (!before.isValid()) return false;
        const QSize bands = FBands();
        QRegion dirty;
        // From the nearer of the two edges, less the band, to the new edge.
        if (now.width() != before.width() && bands.width() > 0) {
            const int x = std::min(now.width(), before.width()) - bands.width();
            dirty += QRect(x, 0, now.width() - x, now.height());
        }
        if (now.height() != before.height() && bands.height() > 0) {
            const int y = std::min(now.height(), before.height()) - bands.height();
            dirty += QRect(0, y, now.width(), now.height() - y);
        }
        if (!dirty.isEmpty()) widget->update(dirty);
        return false;
    }

private:
    TEdgeBands FBands;
};

} // namespace

void SetWidgetStaticContents(QWidget* widget, TEdgeBands bands) {
    if (!widget) return;
    auto* repaint = dynamic_cast<TEdgeBandRepaint*>(widget->findChild<QObject*>(
        QLatin1String(TEdgeBandRepaint::kName), Qt::FindDirectChildrenOnly));
    const bool on = bool(bands);
    widget->setAttribute(Qt::WA_StaticContents, on);
    if (repaint) {
        repaint->SetBands(std::move(bands));
    } else if (on) {
        repaint = new TEdgeBandRepaint(widget, std::move(bands));
        widget->installEventFilter(repaint);
    }
}
