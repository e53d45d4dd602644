// The images of the main window's image list ImageList1, by index.
#pragma once

#include "winlib/ImgList.h"

enum TImageListIndex {
    kImagePrint,
    kImagePrinterSetup,
    kImageZoomIn,
    kImageZoomOut,
    kImageLineColor,
    kImagePrinter, // 5: the status bar's printer panel
    kImageUpdate,
    kImageHome,
    kImageCheck, // 8: the check mark of checked menu items
    kImageMail,
    kImageForum,
    kImageAbout,
    kImageExit,
    kImageTextAdd,
    kImageTextDelete,
    kImageCount
};

// The colour the pictures use for their transparent pixels.
constexpr TColor kImageMaskColor = clFuchsia;

// Adds the pictures to the list in the order above.
void FillImageList1(TImageList* List);
