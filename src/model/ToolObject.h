#pragma once

#include "model/ZVBObject.h"

// Starts one of the configured external programs with an argument of its own (Value).
class TToolObject : public TZVBObject
{
public:
    TToolObject(const QString& title, const QString& value, std::int32_t id, const QString& comment);

    const QString& Program() const { return m_program; }
    const QString& Parameters() const { return m_parameters; }
    void SetProgram(const QString& program, const QString& parameters);
    // Looks the program up among the configured tools for its icon.
    void FetchIcon();

    // What Launch hands to the desktop: the parameters (Parameters, a blank,
    // Value; none when that text is shorter than two characters) and the
    // program's directory as the working directory.
    QString LaunchParameters() const;
    QString WorkingDirectory() const;

    int ImageIndex() const override;
    void ReadDetails(const QString& line) override;
    void WriteRecord(RecordText& out, int level) const override;
    void AdjustListMenu(ListMenuMask& menu) const override;
    bool EditNew(TTreeNode* node) override;
    void DefaultAction() override;
    void Launch() override;

private:
    QString m_program;
    QString m_parameters;
    int m_imageIndex = ImageIndex::GenericFile;
};
