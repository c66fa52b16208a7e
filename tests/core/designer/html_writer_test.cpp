#include "designer/html_writer.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

DesignElement& Add(DesignModel& model, ElementKind kind, std::string value) {
  const int index = *model.Create(kind, 1200, 600, "x");
  DesignElement& e = model.At(kind, index);
  e.value = std::move(value);
  return e;
}

const std::string kBody = "<body bgcolor=#FFFFFF>\r\n";

// On a white canvas of 6300 x 6975 twips.
TEST(InsertToCodeTextTest, WritesTheButtonInPixelsAndInPercent) {
  DesignModel model;
  model.Resize(6300, 6975);
  DesignElement& button = Add(model, ElementKind::kButton, "OK");
  EXPECT_EQ(InsertToCodeText(model),
            kBody +
                "<input type=button name=Button0 style='position:absolute;"
                "top:40;left:80;height:25;width:65' value=OK>\r\n");
  button.in_percent = true;
  EXPECT_EQ(InsertToCodeText(model),
            kBody +
                "<input type=button name=Button0 style='position:absolute;"
                "top:8.6%;left:19%;height:5.3%;width:15.4%' value=OK>\r\n");
}

TEST(InsertToCodeTextTest, OrdersByIndexThenKindAndKeepsBytesAsTyped) {
  DesignModel model;
  model.Resize(6300, 6975);
  for (int i = 0; i < 2; ++i) Add(model, ElementKind::kLabel, "");
  Add(model, ElementKind::kLabel, "a'b\"<&\r\n");
  model.At(ElementKind::kLabel, 1).present = false;
  DesignElement& check = Add(model, ElementKind::kCheck, "c");
  DesignElement& radio = Add(model, ElementKind::kRadio, "r");
  radio.checked = true;
  DesignElement& list = Add(model, ElementKind::kList, "");
  list.items = ItemsFromText("a\r\nb\r\n");
  DesignElement& link = Add(model, ElementKind::kLink, "u.html");
  link.left = -30;
  Add(model, ElementKind::kImage, "p.png").width = 100;
  const std::string place = "<div style='position:absolute;top:40;left:80'>";
  EXPECT_EQ(
      InsertToCodeText(model),
      kBody +
          "<div name=Label0 style='position:absolute;top:40;left:80;"
          "height:17;width:57'></div>" +
          place + "<input type=checkbox name=Check0 >c</div>\r\n" + place +
          "<input type=radio name=Radio0 checked value=r>r</div>\r\n" + place +
          "<select name=List0><option>a\r\n<option>b\r\n</select>" +
          "</div>\r\n" +
          "<img name=Image0 style='position:absolute;top:40;left:80;"
          "height:17;width:6.666667' src=p.png>\r\n"
          "<div style='position:absolute;top:40;left:-2'><a  href='u.html'>x"
          "</a></div>\r\n"
          "<div name=Label2 style='position:absolute;top:40;left:80;"
          "height:17;width:57'>a'b\"<&\r\n</div>");
}

}  // namespace
}  // namespace quillory
