#pragma once

#include <QPageSize>
#include <QString>

#include <array>
#include <optional>

// A label sheet: a name and seven numbers, lengths in hundredths of an inch,
// in the stored order top margin, side margin, label height, label width,
// horizontal pitch, vertical pitch, number across.
struct TLabelDimension
{
    QString name;
    int top = 100;
    int side = 50;
    int height = 100;
    int width = 100;
    int hPitch = 100;
    int vPitch = 100;
    int across = 1;
    // The paper a sheet template names; stored types print on the chosen paper.
    std::optional<QPageSize> paper;

    std::array<int, 7> Values() const { return {top, side, height, width, hPitch, vPitch, across}; }
    void SetValues(const std::array<int, 7>& values);
    // Lengths from 1 to 20 inches or 0 for margins, 1 to 10 across.
    bool IsSane() const;

    // The stored form: the name (quoted when it holds a blank, a comma or a
    // double quote) and the seven numbers, joined by commas.
    QString ToText() const;
    // Reads the stored form; nullopt when it lacks a value or a number.
    static std::optional<TLabelDimension> FromText(const QString& text);

    bool operator==(const TLabelDimension& other) const
    {
        return name == other.name && Values() == other.Values();
    }
};
