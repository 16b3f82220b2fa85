#include "model/CorePair.h"

#include <pthread.h>

CorePair::CorePair()
{
    CPU_ZERO(&m_before);
    CPU_ZERO(&m_others);
    if (pthread_getaffinity_np(pthread_self(), sizeof m_before, &m_before) != 0 || CPU_COUNT(&m_before) < 2)
        return;
    const int here = sched_getcpu();
    if (here < 0 || here >= CPU_SETSIZE || !CPU_ISSET(here, &m_before))
        return;
    cpu_set_t own;
    CPU_ZERO(&own);
    CPU_SET(here, &own);
    m_others = m_before;
    CPU_CLR(here, &m_others);
    m_split = pthread_setaffinity_np(pthread_self(), sizeof own, &own) == 0;
}

CorePair::~CorePair()
{
    if (m_split)
        pthread_setaffinity_np(pthread_self(), sizeof m_before, &m_before);
}

void CorePair::Aside() const
{
    if (m_split)
        pthread_setaffinity_np(pthread_self(), sizeof m_others, &m_others);
}
