#pragma once
// The pages of the service, rendered from what the store found. No page reads the database.

#include <string>
#include <string_view>
#include <vector>

#include "server/Store.h"
#include "server/Texts.h"

namespace brisvane::server {

// "2026-12" for the date number 1226.
std::string monthText(int dateNumber);

std::string homePage(const Texts& texts, const std::vector<TableRow>& topTen);
std::string helpPage(const Texts& texts);
std::string smsPage(const Texts& texts);

struct TableView {
    TableQuery query;
    std::vector<TableRow> rows;
    int total = 0;
};
std::string tablePage(const Texts& texts, const TableView& view);
std::string tableJson(const TableView& view);
std::string playerPage(const Texts& texts, const std::string& name, const TableView& view);

std::string entryPage(const Texts& texts, const TableRow& row);

// The sign-up form, with the name given back and the problem said when there was one.
std::string signupPage(const Texts& texts, std::string_view name, std::string_view problem);
std::string signupDonePage(const Texts& texts, std::string_view name);

// A refusal: what was wrong (`message`, markup) on a page titled "not entered".
std::string refusedPage(const Texts& texts, std::string_view message);
// A page with one message, such as "no such page".
std::string messagePage(const Texts& texts, std::string_view title, std::string_view message);

} // namespace brisvane::server
