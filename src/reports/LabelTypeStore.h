#pragma once

#include "reports/LabelDimension.h"

#include <QStringList>

#include <vector>

class ProfileFile;

// The label types of section "Label Setting" in the settings file, one key
// "Label0", "Label1", ... per type in list order.
namespace LabelTypeStore {

// For n entries in the section reads the keys Label0 to Label(n-1); an entry
// that does not read as a label type is passed over.
std::vector<TLabelDimension> Read(const ProfileFile& profile);
// Writes every type under Label0, Label1, ...; keys with higher numbers stay.
bool Write(ProfileFile& profile, const std::vector<TLabelDimension>& labels);

} // namespace LabelTypeStore
