#pragma once

#include <QString>

// The passwords of bound address books in the desktop's secret store
// (the freedesktop secret service or the desktop's wallet), never in a file
// of ours. Each call waits for the store's answer.
namespace SecretStore {

// The password kept for the user at the address book; false with the
// store's reason when there is none or the store cannot be reached.
bool Read(const QString& url, const QString& user, QString& password, QString* error = nullptr);
bool Write(const QString& url, const QString& user, const QString& password, QString* error = nullptr);
bool Remove(const QString& url, const QString& user, QString* error = nullptr);

} // namespace SecretStore
