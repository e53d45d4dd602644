// The Qt side of the colour list: a list of swatches with their names.
#include "winlib/widgetset/WSExtCtrls.h"

#include "ControlImpl.h"

#include <QListWidget>
#include <QPixmap>

namespace {
QListWidget* ListOf(const TColorListBox* l) {
    return static_cast<QListWidget*>(l->Impl()->Widget());
}
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateColorListBox(TColorListBox* List) {
    auto* w = new QListWidget;
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < List->ItemCount(); ++i) {
        QPixmap swatch(20, 12);
        swatch.fill(ToQColor(List->Colors(i)));
        w->addItem(new QListWidgetItem(QIcon(swatch), ToQString(List->ColorNames(i))));
    }
    auto impl = std::make_unique<TControlImpl>(List, w);
    TControlImpl* writes = impl.get();
    QObject::connect(w, &QListWidget::currentRowChanged, w, [List, writes](int row) {
        if (!writes->programWrites) wsevents::ColorListChosen(List, row);
    });
    return impl;
}

void ColorListShowIndex(TColorListBox* List) {
    List->Impl()->WriteQuietly(ListOf(List), [&] { ListOf(List)->setCurrentRow(List->ItemIndex()); });
}
} // namespace ws
