// Internal to the layer: finding the spool file Qt's CUPS engine opens for a job, so that an
// aborted job can be withdrawn before Qt hands it to CUPS (Qt offers no way to abort it).
#pragma once

#include <QString>

#include <set>

// The open file descriptors of this process.
std::set<int> OpenDescriptors();
// The path of CUPS's temporary file (hexadecimal name in the temporary folder) opened for writing
// by a descriptor not in Before; empty when there is none. Anything else is never picked, as the
// caller deletes the file.
QString NewCupsTempFile(const std::set<int>& Before);
