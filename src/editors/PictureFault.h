// What the user is told when a chosen picture cannot be read.
#pragma once

#include "winlib/System.h"

#include <exception>

// The cause in the user's words, from the error the load raised: the file could not be opened,
// or its content is not a whole picture of the kind its name says. The PNG reader's own message
// follows its sentence, since it names the fault within the file.
AnsiString PictureFaultText(const std::exception& Error);
