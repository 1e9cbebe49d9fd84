#pragma once

#include <QComboBox>

/// The editor of a category cell: a list of the categories that also takes
/// a name typed in. Typing offers the categories whose names contain what
/// was typed, letter case ignored ("out" offers "Dining out"); Return or Tab
/// takes the name, as does a choice from the list. Nothing typed is added
/// to the list.
class CategoryComboBox final : public QComboBox
{
    Q_OBJECT

public:
    CategoryComboBox(const QStringList &categories, QWidget *parent = nullptr);

    /// The listed name the typed text is, letter case and the spaces around
    /// it ignored, in the list's spelling; empty when it is none.
    [[nodiscard]] QString listedName() const;
    /// What was typed, without the spaces around it.
    [[nodiscard]] QString typedName() const;
    /// Shows `name` typed, with all of it selected so that typing replaces it.
    void setName(const QString &name);
};
