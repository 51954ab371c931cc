#pragma once
// Qt tells a screen reader that a list took the focus, but not which of its
// items is current, so the reader says "list with 3 items" and no item.
// These tell it the current item as well.
class QAbstractItemView;

// Sends the focus to the view's current item, if the view has the focus.
void AnnounceCurrentItem(QAbstractItemView* view);
// From now on, each time the view takes the focus, its current item is
// announced right after the view itself.
void AnnounceCurrentItemOnFocus(QAbstractItemView* view);

// Qt's list reports no label, so a screen reader's braille line shows the list
// without its question. From now on the view names the labels whose buddy it
// is as its labels, as other widgets do.
void LabelByBuddy(QAbstractItemView* view);
