#pragma once

#include "model/ZVBObject.h"

// A document: a file the desktop opens. Its icon is the file's own, kept in
// the main window's image lists.
class TDocObject : public TZVBObject
{
public:
    TDocObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    // Asks the desktop for the file's icon (when there is a path).
    void FetchIcon();
    void SetImageIndex(int index) { m_imageIndex = index; }

    int ImageIndex() const override;
    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    void DefaultAction() override;
    void Launch() override;
    void WriteHtmlEntry(THtmlOut& out, bool withVCardLink) const override;

private:
    int m_imageIndex = ImageIndex::GenericFile;
};
