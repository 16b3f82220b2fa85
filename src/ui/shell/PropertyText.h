#pragma once

#include <QMetaProperty>
#include <QString>

#include <functional>
#include <optional>

class QObject;

// Turns a Qt property's value into the text kept in the settings file and
// back, by the property's kind: numbers in decimal, booleans as "1"/"0",
// enumerations by name, flag sets as "[a,b]", string lists joined with "|",
// object references by object name, colours and cursors by name where they
// have one, compound values as their parts each followed by "|".
namespace PropertyText {

// Resolves an object name for properties that refer to another object.
using ObjectLookup = std::function<QObject*(const QString& name)>;

// The property's value as text; an empty optional when the kind has no text form.
std::optional<QString> Read(const QObject* object, const QMetaProperty& property);

// Converts the text by the property's kind and sets it. False when the text
// does not convert or the property refuses the value.
bool Write(QObject* object, const QMetaProperty& property, const QString& text, const ObjectLookup& lookup = {});

// True when the text begins with 1, T, t, Y or y.
bool TextToBool(const QString& text);

// The property of that name, compared without regard to case; invalid when there is none.
QMetaProperty Find(const QObject* object, const QString& name);

} // namespace PropertyText
