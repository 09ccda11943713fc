// Every dialog of the administration program as it is built, read from its
// real window: caption, client size, frame, font and help topic.
#include "admin/dialogs/choixicone.h"
#include "admin/activation/install.h"
#include "admin/dialogs/newuser.h"
#include "admin/dialogs/nomdossier.h"
#include "admin/dialogs/nouvracc.h"
#include "admin/dialogs/options.h"
#include "admin/dialogs/selectdossier.h"
#include "admin/game/tetro1.h"
#include "admin/dialogs/unsplash.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace quorvel;

namespace {

struct Design {
    std::function<std::unique_ptr<ui::Form>()> make;
    const char* caption;
    int width, height;
    bool systemMenu, topMost;
    const char* font;
    int help;
};

template <class T>
std::unique_ptr<ui::Form> Make() { return std::make_unique<T>(); }

const Design kDesigns[] = {
    // Form                 Caption                    Client     Sys.   Top    Font               Help
    {Make<TNomdossier>,     "Nom du dossier...",       273, 72,   false, false, "MS Sans Serif",   40},
    {Make<TNouvracc>,       "Nouveau raccourci...",    303, 275,  false, false, "MS Sans Serif",   30},
    {Make<TChoixIcone>,     "Choix d'une icône",       344, 148,  false, false, "MS Sans Serif",   0},
    {Make<TFOptions>,       "Options du bureau",       257, 267,  false, false, "Times New Roman", 80},
    {Make<TFInstall>,       "Installation du bureau",  203, 113,  true,  false, "MS Sans Serif",   90},
    {[] { return std::make_unique<TNewUser>(""); },
                            "Nom de l'utilisateur...", 273, 73,   false, false, "MS Sans Serif",   20},
    {Make<TSelectdossier>,  "Sélection d'un dossier",  193, 229,  false, true,  "MS Sans Serif",   0},
    {Make<TNSplash>,        "Informations",            199, 185,  false, true,  "MS Sans Serif",   0},
    {[] { return std::unique_ptr<ui::Form>(new TTetro1); },   // the game frees itself only when closed
                            "Pavlun 2D",               222, 338,  false, false, "MS Sans Serif",   0},
};

}  // namespace

TEST(Forms, AreBuiltAsDesigned) {
    for (const Design& d : kDesigns) {
        SCOPED_TRACE(d.caption);
        std::unique_ptr<ui::Form> form = d.make();
        EXPECT_EQ(form->Text(), d.caption);
        RECT client = form->ClientRect();
        EXPECT_EQ(client.right, d.width);
        EXPECT_EQ(client.bottom, d.height);
        EXPECT_EQ((GetWindowLongA(form->Handle(), GWL_STYLE) & WS_SYSMENU) != 0, d.systemMenu);
        EXPECT_EQ((GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, d.topMost);
        LOGFONTA font = {};
        GetObjectA(form->Font(), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, d.font);
        EXPECT_EQ(form->helpContext, d.help);
    }
}
