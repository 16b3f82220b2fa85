#include "model/OrgObject.h"
#include "model/PersonObject.h"

// vCard reading and writing of persons and organizations.
void TPersonObject::ImportVCard(TCard& /*card*/) {}
void TPersonObject::WriteVCard(const QString& /*path*/) const {}
void TOrgObject::ImportVCard(TCard& /*card*/) {}
void TOrgObject::WriteVCard(const QString& /*path*/) const {}
