// The window layer's own costs: drawing many thin lines with the layer's line stepping, and
// making the controls of a large form.
#include "winlib/ComCtrls.h"
#include "winlib/ExtCtrls.h"
#include "winlib/Graphics.h"
#include "winlib/StdCtrls.h"

#include <benchmark/benchmark.h>

namespace {

// A page of one-pixel lines every second pixel: solid across, dashed down (about 950 lines on an
// 800 x 1100 bitmap, a preview page at 100 %).
void CanvasFullPageOfThinLines(benchmark::State& state) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(800, 1100);
    TCanvas* c = b.Canvas();
    for (auto _ : state) {
        c->Pen()->SetStyle(psSolid);
        for (int y = 0; y < 1100; y += 2) {
            c->MoveTo(0, y);
            c->LineTo(800, y);
        }
        c->Pen()->SetStyle(psDash);
        for (int x = 0; x < 800; x += 2) {
            c->MoveTo(x, 0);
            c->LineTo(x, 1100);
        }
        benchmark::DoNotOptimize(b.ScanLine(1099)[0]);
    }
}
BENCHMARK(CanvasFullPageOfThinLines)->Unit(benchmark::kMillisecond);

// Sixty group boxes, each with an edit coupled to an up-down, a label and a check box: about the
// control count of the main window.
void MakeThreeHundredControls(benchmark::State& state) {
    TPanel host(nullptr);
    host.SetBounds(0, 0, 400, 300);
    for (auto _ : state) {
        TPanel owner(nullptr);
        owner.SetParent(&host);
        for (int i = 0; i < 60; ++i) {
            auto* g = new TGroupBox(&owner);
            g->SetParent(&owner);
            auto* e = new TEdit(&owner);
            e->SetParent(g);
            auto* u = new TUpDown(&owner);
            u->SetParent(g);
            u->SetAssociate(e);
            auto* l = new TLabel(&owner);
            l->SetParent(g);
            l->SetCaption("label");
            auto* cb = new TCheckBox(&owner);
            cb->SetParent(g);
        }
    }
}
BENCHMARK(MakeThreeHundredControls)->Unit(benchmark::kMillisecond);

} // namespace
