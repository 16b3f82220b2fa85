#pragma once

#include "exchange/HtmlPublishOptions.h"

#include <QString>
#include <QStringList>

class TTreeNode;

// Writes a published site into its directory.
namespace HtmlPublisher {

// What a run left in the directory, as bare file names.
struct Result
{
    QStringList written; // pages, the exchange file and the cards
    QStringList copied;  // background and images that were not there yet
};

// Why the options cannot be published (an unknown colour, a level outside
// 0 to 9, a main page name with a folder in it or taken by a frame page, a
// background that is not a file); empty when they can.
QString Problem(const HtmlPublishOptions& options);

// Creates the directory when missing, writes the pages, the exchange file
// and the cards as the options ask, then copies the background and the
// eight images beside them; a file already there is never replaced by a
// copy. Images missing from the installation are passed over. Throws
// EZendrivoError with a clear message when the options are wrong or a file
// cannot be written; files written until then stay.
Result Publish(const TTreeNode& published, const HtmlPublishOptions& options);

} // namespace HtmlPublisher
