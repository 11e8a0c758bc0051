// What pages cost: loading and laying out a 1 MiB page through the pack
// against a plain QTextBrowser given the same text, and a page of 300 form
// controls loaded and enumerated.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <filesystem>
#include <string>

#include "OffscreenHost.h"
#include "pack/PackWriter.h"
#include "pack/gPack.h"
#include "platform/TextCodec.h"
#include "util/uUtils.h"
#include "viewers/HtmlFormLayer.h"
#include "viewers/skHTML.h"

namespace {

std::string Picture() {
  QImage image(64, 48, QImage::Format_RGB32);
  image.fill(QColor(40, 120, 90));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

// About 1 MiB of a theory page: paragraphs, a table now and then, pictures.
std::string BigPage() {
  std::string page = "<html><head><title>Big</title><link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\"></head><body>";
  for (int i = 0; page.size() < (1u << 20); ++i) {
    page += "<h2>Section " + std::to_string(i) + "</h2><p>Plants, animals and fungi are <b>living</b> nature; "
            "air, water and rocks are <i>non-living</i>. A cell has a membrane, cytoplasm and a nucleus.</p>";
    if (i % 10 == 0) page += "<p><img src=\"pics/p" + std::to_string(i % 5) + ".png\"></p>";
    if (i % 7 == 0) page += "<table border=1><tr><td>Method</td><td>Example</td></tr><tr><td>Observation</td><td>Weather</td></tr></table>";
  }
  return page + "</body></html>";
}

std::string FormPage() {
  std::string page = "<html><body>";
  for (int i = 0; i < 300; ++i) {
    const std::string id = std::to_string(i);
    switch (i % 4) {
      case 0: page += "<p>Q" + id + " <input type=radio name=g" + id + " id=r" + id + "> yes</p>"; break;
      case 1: page += "<p>Q" + id + " <input type=checkbox id=c" + id + "> agree</p>"; break;
      case 2: page += "<p>Q" + id + " <input type=text id=t" + id + " size=10></p>"; break;
      default: page += "<p>Q" + id + " <select id=s" + id + "><option>a<option>b<option>c</select></p>"; break;
    }
  }
  return page + "</body></html>";
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

struct THost {
  std::string Big;
  std::string Loose;  // the page's style sheet and pictures as plain files, for the yardstick

  THost() {
    const std::string folder = kv::test::StartOffscreenHost();
    Big = BigPage();
    kv::TPackWriter writer;
    writer.Add("big.htm", Big, true);
    writer.Add("forms.htm", FormPage(), true);
    const std::string style = "p { color: #203020; } h2 { color: #1F6B52; }";
    writer.Add("style.css", style, false);
    for (int i = 0; i < 5; ++i) writer.Add("pics\\p" + std::to_string(i) + ".png", Picture(), false);
    Loose = folder + "loose/";
    WriteFile(Loose + "style.css", style);
    for (int i = 0; i < 5; ++i) WriteFile(Loose + "pics/p" + std::to_string(i) + ".png", Picture());
    writer.Write(folder + "interface.dat");
    kv::OpenPack(kv::ProgramFolder() + "interface.dat");
  }
};

THost& Host() {
  static THost* host = new THost;
  return *host;
}

void LoadBigPageThroughThePack(benchmark::State& state) {
  Host();
  kv::TSkHtml html(nullptr);
  html.resize(800, 600);
  for (auto _ : state) {
    html.LoadPage("big.htm");
    benchmark::DoNotOptimize(html.Viewer()->document()->size());
  }
}
BENCHMARK(LoadBigPageThroughThePack)->Unit(benchmark::kMillisecond);

// The yardstick: the same text handed to a plain browser that lays it out,
// with the same style sheet and pictures as plain files beside it.
void PlainSetHtml(benchmark::State& state) {
  const QString text = kv::ToQString(Host().Big);
  QTextBrowser browser;
  browser.resize(800, 600);
  browser.setSearchPaths({QString::fromStdString(Host().Loose)});
  browser.document()->setBaseUrl(QUrl::fromLocalFile(QString::fromStdString(Host().Loose)));
  for (auto _ : state) {
    browser.setHtml(text);
    benchmark::DoNotOptimize(browser.document()->size());
  }
}
BENCHMARK(PlainSetHtml)->Unit(benchmark::kMillisecond);

void LoadAndEnumerate300FormControls(benchmark::State& state) {
  Host();
  kv::TSkHtml html(nullptr);
  html.resize(800, 600);
  for (auto _ : state) {
    html.LoadPage("forms.htm");
    const kv::THtmlFormLayer& forms = *html.Viewer()->Forms();
    int checked = 0;
    for (const auto& control : forms.Controls()) checked += forms.Checked(control.Index) ? 1 : 0;
    benchmark::DoNotOptimize(checked);
  }
}
BENCHMARK(LoadAndEnumerate300FormControls)->Unit(benchmark::kMillisecond);

}  // namespace
