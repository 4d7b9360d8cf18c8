#include "ui/app/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>

namespace zelkor {
namespace {

enum class Side { Right, Left, Below, Above };
constexpr std::array<Side, 4> kSides{Side::Right, Side::Left, Side::Below, Side::Above};

int Clamp(int value, int low, int high)
{
    return high < low ? low : std::clamp(value, low, high);
}

// The screen's strip on one side of `anchor`.
QRect Strip(Side side, const QRect& anchor, const QRect& screen)
{
    switch (side) {
        case Side::Right:
            return QRect(QPoint(anchor.right() + 1, screen.top()), screen.bottomRight());
        case Side::Left:
            return QRect(screen.topLeft(), QPoint(anchor.left() - 1, screen.bottom()));
        case Side::Below:
            return QRect(QPoint(screen.left(), anchor.bottom() + 1), screen.bottomRight());
        case Side::Above:
            break;
    }
    return QRect(screen.topLeft(), QPoint(screen.right(), anchor.top() - 1));
}

// The window of `size` in the strip on `side` of `anchor`, against it and lined up with the main
// window's top or left edge as far as the strip allows; nothing when the strip is too small.
std::optional<QRect> InStrip(Side side, QSize size, const QRect& anchor, const QRect& mainFrame,
                             const QRect& screen)
{
    const QRect strip = Strip(side, anchor, screen).intersected(screen);
    if (strip.width() < size.width() || strip.height() < size.height()) {
        return std::nullopt;
    }
    QPoint at;
    switch (side) {
        case Side::Right:
            at = {strip.left(), mainFrame.top()};
            break;
        case Side::Left:
            at = {strip.right() + 1 - size.width(), mainFrame.top()};
            break;
        case Side::Below:
            at = {mainFrame.left(), strip.top()};
            break;
        case Side::Above:
            at = {mainFrame.left(), strip.bottom() + 1 - size.height()};
            break;
    }
    at.rx() = Clamp(at.x(), strip.left(), strip.right() + 1 - size.width());
    at.ry() = Clamp(at.y(), strip.top(), strip.bottom() + 1 - size.height());
    return QRect(at, size);
}

// The first side with room for the wanted size, else the largest window between the minimum and
// the wanted size that a side has room for.
std::optional<QRect> BesideAnchor(QSize wanted, QSize minimum, const QRect& anchor,
                                  const QRect& mainFrame, const QRect& screen)
{
    for (const Side side : kSides) {
        if (auto frame = InStrip(side, wanted, anchor, mainFrame, screen)) {
            return frame;
        }
    }
    std::optional<QRect> best;
    for (const Side side : kSides) {
        const QRect strip = Strip(side, anchor, screen).intersected(screen);
        const QSize size = wanted.boundedTo(strip.size()).expandedTo(minimum);
        const auto frame = InStrip(side, size, anchor, mainFrame, screen);
        if (frame && (!best || frame->width() * frame->height() > best->width() * best->height())) {
            best = frame;
        }
    }
    return best;
}

}  // namespace

QRect PlaceBeside(QSize wanted, QSize minimum, const QRect& mainFrame, const QRect& keepClear,
                  const QRect& screen)
{
    minimum = minimum.boundedTo(wanted);
    if (auto frame = BesideAnchor(wanted, minimum, mainFrame, mainFrame, screen)) {
        return *frame;
    }
    if (auto frame = BesideAnchor(wanted, minimum, keepClear, mainFrame, screen)) {
        return *frame;
    }
    const QSize size = wanted.boundedTo(screen.size());
    const QPoint at(Clamp(mainFrame.right() + 1, screen.left(), screen.right() + 1 - size.width()),
                    Clamp(mainFrame.top(), screen.top(), screen.bottom() + 1 - size.height()));
    return QRect(at, size);
}

void PlaceBeside(QWidget& side, const QWidget& main, const QWidget& keepClear)
{
    const QRect mainFrame = main.frameGeometry();
    const QSize decorations = mainFrame.size() - main.size();
    const QRect keep(keepClear.mapToGlobal(QPoint(0, 0)), keepClear.size());
    const QScreen* screen = main.screen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : mainFrame.united(QRect(0, 0, 4096, 4096));
    const QSize minimum =
        side.minimumSizeHint().expandedTo(side.minimumSize()).expandedTo(QSize(0, 0));
    const QRect frame =
        PlaceBeside(side.size() + decorations, minimum + decorations, mainFrame, keep, available);
    side.resize(frame.size() - decorations);
    side.move(frame.topLeft());
}

}  // namespace zelkor
