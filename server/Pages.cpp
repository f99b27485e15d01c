#include "server/Pages.h"

#include "links/Links.h"
#include "server/Html.h"

namespace brisvane::server {

namespace {

std::string paragraph(std::string_view text) {
    return "<p>" + escape(text) + "</p>";
}

std::string pageLink(const Texts& texts, const TableQuery& q, int page) {
    std::string link = "/highscore?page=" + std::to_string(page);
    if (q.period == Period::Month) {
        link += "&amp;period=month";
    }
    if (!q.lan.empty()) {
        link += "&amp;filter=" + queryValue(q.lan);
    }
    return link + escape(lanSuffix(texts, '&'));
}

std::string playerLink(const Texts& texts, const std::string& name) {
    return "<a href=\"/highscore/player?user=" + queryValue(name) +
           escape(lanSuffix(texts, '&')) + "\">" + escape(name) + "</a>";
}

std::string languageName(std::string_view lan) {
    const Texts& texts = textsFor(lan);
    return std::string(texts.lan == lan ? texts.national : lan);
}

std::string rowsTable(const Texts& texts, const std::vector<TableRow>& rows) {
    if (rows.empty()) {
        return paragraph(texts.noEntries);
    }
    std::string html = "<table><thead><tr><th class=\"n\">" + escape(texts.place) + "</th><th>" +
                       escape(texts.player) + "</th><th class=\"n\">" + escape(texts.points) +
                       "</th><th>" + escape(texts.month) + "</th><th class=\"lan\">" + escape(texts.language) +
                       "</th><th class=\"key\">" + escape(texts.key) + "</th></tr></thead><tbody>";
    for (const TableRow& row : rows) {
        html += "<tr><td class=\"n\">" + std::to_string(row.place) + "</td><td>" +
                playerLink(texts, row.name) + "</td><td class=\"n\">" + std::to_string(row.points) +
                "</td><td class=\"month\">" + monthText(row.dateNumber) + "</td><td class=\"lan\">" +
                escape(languageName(row.lan)) +
                "</td><td class=\"key\">" + escape(row.key) + "</td></tr>";
    }
    return html + "</tbody></table>";
}

std::string filterForm(const Texts& texts, const TableQuery& q) {
    const auto option = [](std::string_view value, std::string_view caption, bool chosen) {
        return "<option value=\"" + escape(value) + "\"" + (chosen ? " selected" : "") + ">" +
               escape(caption) + "</option>";
    };
    std::string html = "<form class=\"filter\" method=\"get\" action=\"/highscore\">";
    if (texts.lan != "English") {
        html += "<input type=\"hidden\" name=\"lan\" value=\"" + escape(texts.lan) + "\">";
    }
    html += "<div><label for=\"period\">" + escape(texts.period) + "</label><select id=\"period\" "
            "name=\"period\">" + option("all", texts.allTime, q.period == Period::AllTime) +
            option("month", texts.thisMonth, q.period == Period::Month) + "</select></div>";
    html += "<div><label for=\"filter\">" + escape(texts.language) +
            "</label><select id=\"filter\" name=\"filter\">" +
            option("", texts.allLanguages, q.lan.empty());
    for (const Texts* other : allTexts()) {
        html += option(other->lan, other->national, q.lan == other->lan);
    }
    return html + "</select></div><div><button type=\"submit\">" + escape(texts.show) +
           "</button></div></form>";
}

std::string pager(const Texts& texts, const TableView& view) {
    const int pages = view.total == 0 ? 1 : (view.total + TablePageSize - 1) / TablePageSize;
    const int page = view.query.page;
    std::string html = "<p class=\"note\">" + escape(fill(texts.pageOf, {std::to_string(page),
                                                          std::to_string(pages)}));
    if (page > 1) {
        html += " <a rel=\"prev\" href=\"" + pageLink(texts, view.query, page - 1) + "\">" +
                escape(texts.previous) + "</a>";
    }
    if (page < pages) {
        html += " <a rel=\"next\" href=\"" + pageLink(texts, view.query, page + 1) + "\">" +
                escape(texts.next) + "</a>";
    }
    return html + "</p>";
}

} // namespace

std::string monthText(int dateNumber) {
    const int month = dateNumber % 100;
    const int year = 2000 + dateNumber / 100;
    return std::to_string(year) + (month < 10 ? "-0" : "-") + std::to_string(month);
}

std::string homePage(const Texts& texts, const std::vector<TableRow>& topTen) {
    const std::string lan = escape(lanSuffix(texts, '?'));
    std::string body = paragraph(texts.intro);
    body += "<h2>" + escape(texts.topTen) + "</h2>" + rowsTable(texts, topTen);
    body += "<p><a href=\"/highscore" + lan + "\">" + escape(texts.table) + "</a></p>";
    body += "<h2>" + escape(texts.sendTitle) + "</h2>" + paragraph(texts.sendText);
    body += "<p><a href=\"/signup" + lan + "\">" + escape(texts.signup) + "</a></p>";
    body += "<h2>" + escape(texts.getTitle) + "</h2>" + paragraph(texts.getText);
    return page(texts, "Brisvane", body);
}

std::string helpPage(const Texts& texts) {
    return page(texts, texts.help, texts.helpHtml);
}

std::string smsPage(const Texts& texts) {
    return page(texts, texts.sms, paragraph(texts.smsText));
}

std::string tablePage(const Texts& texts, const TableView& view) {
    const std::string title = std::string(texts.table) + " - " +
                              std::string(view.query.period == Period::Month ? texts.thisMonth
                                                                             : texts.allTime);
    return page(texts, title, filterForm(texts, view.query) + rowsTable(texts, view.rows) +
                                  pager(texts, view));
}

std::string tableJson(const TableView& view) {
    std::string json = "{\"period\":\"";
    json += view.query.period == Period::Month ? "month" : "all";
    json += "\",\"lan\":\"" + jsonEscape(view.query.lan) + "\",\"page\":" +
            std::to_string(view.query.page) + ",\"pageSize\":" + std::to_string(TablePageSize) +
            ",\"total\":" + std::to_string(view.total) + ",\"entries\":[";
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const TableRow& row = view.rows[i];
        json += (i == 0 ? "{" : ",{");
        json += "\"place\":" + std::to_string(row.place) + ",\"user\":\"" + jsonEscape(row.name) +
                "\",\"points\":" + std::to_string(row.points) + ",\"key\":\"" + jsonEscape(row.key) +
                "\",\"date\":" + std::to_string(row.dateNumber) + ",\"lan\":\"" +
                jsonEscape(row.lan) + "\"}";
    }
    return json + "]}\n";
}

std::string playerPage(const Texts& texts, const std::string& name, const TableView& view) {
    return page(texts, fill(texts.entriesOf, {name}), rowsTable(texts, view.rows) + pager(texts, view));
}

std::string entryPage(const Texts& texts, const TableRow& row) {
    const int tablePage = (row.place - 1) / TablePageSize + 1;
    std::string body = "<p>" + fill(escape(texts.entryText), {std::to_string(row.points),
                                                               escape(row.name),
                                                               std::to_string(row.place)}) + "</p>";
    body += "<p class=\"key\">" + escape(texts.key) + ": " + escape(row.key) + "</p>";
    body += paragraph(texts.entryAgain);
    body += "<p><a href=\"/highscore?page=" + std::to_string(tablePage) +
            escape(lanSuffix(texts, '&')) + "\">" + escape(texts.table) + "</a></p>";
    return page(texts, texts.entryTitle, body);
}

std::string signupPage(const Texts& texts, std::string_view name, std::string_view problem) {
    std::string body;
    if (!problem.empty()) {
        body += "<p class=\"error\" role=\"alert\">" + escape(problem) + "</p>";
    }
    body += "<form method=\"post\" action=\"/signup\">";
    body += "<input type=\"hidden\" name=\"lan\" value=\"" + escape(texts.lan) + "\">";
    body += "<label for=\"name\">" + escape(texts.name) + "</label><input id=\"name\" name=\"name\" "
            "maxlength=\"20\" required autocomplete=\"username\" value=\"" + escape(name) + "\">";
    body += "<p class=\"note\">" + escape(texts.nameHint) + "</p>";
    body += "<label for=\"password\">" + escape(texts.password) + "</label><input id=\"password\" "
            "name=\"password\" type=\"password\" required autocomplete=\"new-password\">";
    body += "<label for=\"password2\">" + escape(texts.passwordAgain) + "</label><input "
            "id=\"password2\" name=\"password2\" type=\"password\" required "
            "autocomplete=\"new-password\">";
    body += "<p class=\"note\">" + escape(texts.passwordHint) + "</p>";
    body += "<button type=\"submit\">" + escape(texts.create) + "</button></form>";
    return page(texts, texts.signup, body);
}

std::string signupDonePage(const Texts& texts, std::string_view name) {
    return page(texts, texts.signup,
                "<p>" + fill(escape(texts.signupDone), {escape(name)}) + "</p>" +
                    paragraph(texts.signupNext));
}

std::string refusedPage(const Texts& texts, std::string_view message) {
    return page(texts, texts.refused, std::string("<p class=\"error\">") + std::string(message) + "</p>");
}

std::string messagePage(const Texts& texts, std::string_view title, std::string_view message) {
    return page(texts, title, paragraph(message));
}

} // namespace brisvane::server
