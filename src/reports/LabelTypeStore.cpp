#include "reports/LabelTypeStore.h"

#include "platform/ProfileFile.h"

namespace LabelTypeStore {

namespace {

const QString kSection = QStringLiteral("Label Setting");

QString Key(int n)
{
    return QStringLiteral("Label%1").arg(n);
}

} // namespace

std::vector<TLabelDimension> Read(const ProfileFile& profile)
{
    std::vector<TLabelDimension> labels;
    const qsizetype count = profile.ReadSectionValues(kSection).size();
    for (int n = 0; n < count; ++n) {
        const QString text = profile.ReadString(kSection, Key(n));
        if (auto label = TLabelDimension::FromText(text))
            labels.push_back(*label);
    }
    return labels;
}

bool Write(ProfileFile& profile, const std::vector<TLabelDimension>& labels)
{
    bool ok = true;
    for (size_t n = 0; n < labels.size(); ++n)
        ok = profile.WriteString(kSection, Key(static_cast<int>(n)), labels[n].ToText()) && ok;
    return ok;
}

} // namespace LabelTypeStore
