#include "app/recordmanager/listnavigation.h"

void ListNavigation::opened(int count)
{
    m_count = count > 0 ? count : 0;
    m_row = m_count > 0 ? 0 : -1;
    m_bof = true;
    m_eof = m_count == 0;
}

void ListNavigation::movedTo(int row)
{
    if (m_count == 0)
        return;
    m_row = row < 0 ? 0 : row >= m_count ? m_count - 1 : row;
    m_bof = false;
    m_eof = false;
}

void ListNavigation::moveFirst()
{
    m_row = m_count > 0 ? 0 : -1;
    m_bof = true;
    m_eof = m_count == 0;
}

void ListNavigation::moveLast()
{
    m_row = m_count - 1;
    m_eof = true;
    m_bof = m_count == 0;
}

void ListNavigation::movePrior()
{
    if (m_bof)
        return;
    m_eof = false;
    if (m_row > 0)
        --m_row;
    else
        m_bof = true;
}

void ListNavigation::moveNext()
{
    if (m_eof)
        return;
    m_bof = false;
    if (m_row < m_count - 1)
        ++m_row;
    else
        m_eof = true;
}

void ListNavigation::first()
{
    moveFirst();
    m_buttons.first = m_buttons.prior = false;
    m_buttons.next = m_buttons.last = true;
}

void ListNavigation::prior()
{
    if (m_bof)
        m_buttons.first = m_buttons.prior = false;
    else
        movePrior();
    m_buttons.next = m_buttons.last = true;
}

void ListNavigation::next()
{
    if (m_eof)
        m_buttons.next = m_buttons.last = false;
    else
        moveNext();
    m_buttons.first = m_buttons.prior = true;
}

void ListNavigation::last()
{
    moveLast();
    m_buttons.first = m_buttons.prior = true;
    m_buttons.next = m_buttons.last = false;
}
