#include "web/class_set_json.h"

#include <cstdio>

#include "web/json_text.h"

namespace tessaly::web {

namespace {

using interaction::ClassSetPage;
using interaction::ClassSetQuestion;
using interaction::ClassSetText;

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

const char* text_name(ClassSetText what) {
  switch (what) {
    case ClassSetText::kHeader:
      return "header";
    case ClassSetText::kSheetNumber:
      return "sheet-number";
    case ClassSetText::kWorking:
      return "working";
    case ClassSetText::kKeyTitle:
      return "key-title";
    case ClassSetText::kKeyNumber:
      return "key-number";
    case ClassSetText::kKeyGiven:
      return "key-given";
    case ClassSetText::kKeyWorking:
      return "key-working";
  }
  return "";
}

// Each page an object of three lists; a page is closed when the next begins or at the end.
class JsonPainter final : public interaction::ClassSetPainter {
 public:
  JsonPainter(std::string& out, std::vector<ClassSetGraph>& graphs) : out_(out), graphs_(graphs) {}

  void begin_page(ClassSetPage page) override {
    finish_page();
    out_ += pages_++ > 0 ? "," : "";
    out_ += "{\"kind\":\"";
    out_ += page == ClassSetPage::kKey ? "key" : "sheet";
    out_ += "\",\"texts\":[";
    texts_ = lines_ = graph_items_ = "";
  }
  void text(double x, double y, const char* text, ClassSetText what) override {
    texts_ += texts_.empty() ? "" : ",";
    texts_ += "{\"x\":" + number(x) + ",\"y\":" + number(y) + ",\"role\":\"" + text_name(what) +
              "\",\"text\":";
    append_json_string(texts_, text);
    texts_ += '}';
  }
  void line(double x1, double y1, double x2, double y2) override {
    lines_ += lines_.empty() ? "" : ",";
    lines_ += '[' + number(x1) + ',' + number(y1) + ',' + number(x2) + ',' + number(y2) + ']';
  }
  void graph(interaction::HeadlessWindow& window, const ClassSetQuestion& question, double x,
             double y) override {
    const double magnification = window.session.print_magnification;
    graph_items_ += graph_items_.empty() ? "" : ",";
    graph_items_ += "{\"index\":" + std::to_string(graphs_.size()) + ",\"x\":" + number(x) +
                    ",\"y\":" + number(y) + ",\"magnification\":" + number(magnification) + '}';
    graphs_.push_back({question, magnification});
  }
  void finish_page() {
    if (pages_ == 0) return;
    out_ += texts_ + "],\"lines\":[" + lines_ + "],\"graphs\":[" + graph_items_ + "]}";
  }

 private:
  std::string& out_;
  std::vector<ClassSetGraph>& graphs_;
  std::string texts_, lines_, graph_items_;
  int pages_ = 0;
};

}  // namespace

std::string class_set_json(const interaction::RenderRequest& request,
                           std::vector<ClassSetGraph>& graphs) {
  const interaction::PaperSize size = interaction::paper_size(request.class_set.paper);
  std::string out = "{\"paper\":\"";
  out += request.class_set.paper == interaction::Paper::kLetter ? "letter" : "a4";
  out +=
      "\",\"width\":" + number(size.width) + ",\"height\":" + number(size.height) + ",\"pages\":[";
  graphs.clear();
  JsonPainter painter(out, graphs);
  interaction::draw_class_set(request, painter);
  painter.finish_page();
  out += "]}";
  return out;
}

}  // namespace tessaly::web
