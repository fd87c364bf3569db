#pragma once

#include <QString>

#include <array>

// The five boxes that describe the chart as a whole, in the order of row 11 of the dataset.
enum class Description { Title = 1, Unit, Source, Note, Author };

inline constexpr Description AllDescriptions[] = {Description::Title, Description::Unit,
                                                  Description::Source, Description::Note,
                                                  Description::Author};

// The texts of the five description boxes, in the order of AllDescriptions.
using Descriptions = std::array<QString, std::size(AllDescriptions)>;

// The 147 text boxes of the entry window as the data routines see them: 120 value boxes, 10 row
// labels, 12 column labels and 5 descriptions. Rows and columns count from 1.
class EntryBoxes {
public:
    virtual ~EntryBoxes() = default;

    virtual QString value(int row, int column) const = 0;
    virtual QString rowLabel(int row) const = 0;
    virtual QString columnLabel(int column) const = 0;
    virtual QString description(Description which) const = 0;

    virtual void setValue(int row, int column, const QString& text) = 0;
    virtual void setRowLabel(int row, const QString& text) = 0;
    virtual void setColumnLabel(int column, const QString& text) = 0;
    virtual void setDescription(Description which, const QString& text) = 0;
};
