#pragma once

#include <QDialog>

class TCard;

// "vCard Import": asks whether a card that names an organization comes in
// as an organization (Yes) or as a person (No).
class TVCImportDlg : public QDialog
{
    Q_OBJECT

public:
    TVCImportDlg(const QString& name, const QString& organization, QWidget* parent = nullptr);

    // Asks about one card; true for an organization.
    static bool AskAsOrganization(const TCard& card, QWidget* parent);
};
