#pragma once

class DemoRandom;
class SqliteDb;

// Writes what is not trade: delivery options, cargo types and companies, the scrolling text and
// banner lines, opening adverts and announcements with their pictures, and published files.
class ContentWriter
{
public:
    explicit ContentWriter(SqliteDb &db) : m_db(db) {}
    // Choices that orders refer to; written before the history.
    void writeChoices();
    // Notices, screens and files; the files list catalogue items, so after the catalogue.
    void writeNotices();
    void writeFiles();

private:
    SqliteDb &m_db;
};
