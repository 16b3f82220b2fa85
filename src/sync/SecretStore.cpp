#include "sync/SecretStore.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>

using namespace Qt::StringLiterals;

namespace {

const QString kService = u"Zendrivo CardDAV"_s;

QString KeyOf(const QString& url, const QString& user)
{
    return user + u'@' + url;
}

// Runs the job to its end; false with its reason on failure.
bool Run(QKeychain::Job& job, QString* error)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (job.error() == QKeychain::NoError)
        return true;
    if (error)
        *error = u"The desktop's secret store refused: "_s + job.errorString();
    return false;
}

} // namespace

namespace SecretStore {

bool Read(const QString& url, const QString& user, QString& password, QString* error)
{
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(KeyOf(url, user));
    if (!Run(job, error))
        return false;
    password = job.textData();
    return true;
}

bool Write(const QString& url, const QString& user, const QString& password, QString* error)
{
    QKeychain::WritePasswordJob job(kService);
    job.setKey(KeyOf(url, user));
    job.setTextData(password);
    return Run(job, error);
}

bool Remove(const QString& url, const QString& user, QString* error)
{
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(KeyOf(url, user));
    return Run(job, error);
}

} // namespace SecretStore
