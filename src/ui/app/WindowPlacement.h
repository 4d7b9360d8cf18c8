#pragma once
// Where the program's side windows ("Andamento", "Controllo parziale") open: beside the main
// window, so that the operator goes on typing in the entry row with both in view.

#include <QRect>
#include <QSize>

class QWidget;

namespace zelkor {

// The frame of a side window that wants `wanted` and can shrink down to `minimum` (frames
// included), on the available `screen` beside `mainFrame`, whose part `keepClear` stays
// uncovered whenever the screen has the room:
//  1. beside the main window at the wanted size: right, left, below, above;
//  2. beside it, shrunk towards the minimum: the largest such window;
//  3. beside `keepClear` only, over the rest of the main window, at the wanted size, then shrunk;
//  4. failing all that, at the wanted size cut to the screen, right of the main window or as
//     close to it as the screen allows.
QRect PlaceBeside(QSize wanted, QSize minimum, const QRect& mainFrame, const QRect& keepClear,
                  const QRect& screen);

// Moves and sizes `side`, a window not yet shown, beside `main`, leaving `keepClear` (a widget of
// the main window) in view. Side windows have the main window's decorations, as far as can be
// known before the window manager has framed them.
void PlaceBeside(QWidget& side, const QWidget& main, const QWidget& keepClear);

}  // namespace zelkor
