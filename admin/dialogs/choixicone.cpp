#include "admin/dialogs/choixicone.h"

#include "admin/dialogs/dialog_look.h"
#include "resources/choixicone_ids.h"
#include "shared/shell_link.h"
#include "ui/platform.h"

#include <shellapi.h>

namespace quorvel {

std::string ShellLibraryPath() { return ui::platform().systemDir() + "\\SHELL32.DLL"; }
std::string MoreIconsLibraryPath() { return ui::platform().windowsDir() + "\\MORICONS.DLL"; }
std::string ZekIconsLibraryPath() { return ui::platform().systemDir() + "\\ZEKICONS.DLL"; }

namespace {

const DWORD kListStyle = LVS_ICON | LVS_SINGLESEL | LVS_ALIGNLEFT | LVS_AUTOARRANGE | LVS_NOLABELWRAP |
                         LVS_NOCOLUMNHEADER | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS;
}  // namespace

TChoixIcone::TChoixIcone()
    // Component  Rectangle                       Caption, style or animation
    : window_(*this, "Choix d'une icône", 344, 148, FixedDialogStyle(), true, DialogFont()),
      ListView1 (*this, ui::Bounds(2, 0, 339, 81),     kListStyle),
      Label1    (*this, ui::Bounds(3, 84, 248, 14)),
      Label2    (*this, ui::Bounds(270, 84, 68, 14),   "Icone N° : "),
      Animate1  (*this, ui::Bounds(146, 10, 39, 40),   ui::CommonAvi::FindFile),
      BAccept   (*this, ui::Bounds(4, 100, 65, 20),    "&Accepter", BS_DEFPUSHBUTTON),
      BAnnuler  (*this, ui::Bounds(4, 126, 65, 20),    "A&nnuler"),
      BParcours (*this, ui::Bounds(72, 100, 65, 20),   "&Parcourir"),
      BMoreIcons(*this, ui::Bounds(268, 100, 72, 20),  "&MoreIcons"),
      Bzekicons (*this, ui::Bounds(193, 126, 72, 20),  "&ZekIcons"),
      BShell    (*this, ui::Bounds(268, 126, 72, 20),  "&Shell32"),
      ShellPath(ShellLibraryPath()),
      MoreIconsPath(MoreIconsLibraryPath()),
      ZekIconsPath(ZekIconsLibraryPath()) {
    SetIcon(IDI_CHOIXICONE);
    ListView1.SetImageList(ImageList1.Handle(), LVSIL_NORMAL);
    // Items have no caption: one row of icons, scrolled sideways.
    ListView_SetIconSpacing(ListView1.Handle(), 42, 44);
    Label2.SetVisible(false);
    Animate1.stopFrame = 23;
    Animate1.SetVisible(false);

    BAnnuler.modalResult = ui::mrCancel;
    defaultButton = BAccept.Handle();
    cancelButton = BAnnuler.Handle();
    // Control         Hint
    AddHint(BAccept.Handle(),    "Accepter l'icône sélectionné");
    AddHint(BAnnuler.Handle(),   "Annulation");
    AddHint(BParcours.Handle(),  "Charger les ressources à partir d'un fichier");
    AddHint(BShell.Handle(),     "Ressources du fichier \"SHELL32.DLL\"");
    AddHint(BMoreIcons.Handle(), "Ressources du fichier \"MOREICONS.DLL\"");
    AddHint(Bzekicons.Handle(),  "Ressources du fichier \"ZEKICONS.DLL\"");

    OpenDialog1.title = "Sélection du fichier d'icône";
    OpenDialog1.defaultExt = "*.dll";
    OpenDialog1.fileName = "*.dll";
    OpenDialog1.filter = "Bibliothèque|*.dll|application|*.exe|icône|*.ico";
    OpenDialog1.options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_SHAREAWARE |
                          OFN_NONETWORKBUTTON;

    ListView1.onChange = [this] { ListView1Change(); };
    ListView1.onDblClick = [this] { BAcceptClick(); };
    BAccept.onClick = [this] { BAcceptClick(); };
    BParcours.onClick = [this] { BParcoursClick(); };
    BShell.onClick = [this] { ChargeBibliotheque(ShellPath); };
    BMoreIcons.onClick = [this] {
        ListView1.SetVisible(false);
        ChargeBibliotheque(MoreIconsPath);
        ListView1.SetVisible(true);
    };
    Bzekicons.onClick = [this] { ChargeBibliotheque(ZekIconsPath); };
    ListView1.SetFocus();
}

int TChoixIcone::ChoisirIcone(const std::string& file, int index) {
    EffaceIcones();
    TransfertIcones(file);
    OpenDialog1.fileName = file;
    NumeroChoisi = index;
    Label1.SetCaption(file);
    Label2.SetCaption("Icone N° : " + std::to_string(index));
    Label2.SetVisible(true);
    // The opening selection keeps the opening text of Label2.
    bool listed = index >= 0 && index < ListView1.Count();
    shownItem_ = listed ? index : -1;
    ListView1.Select(shownItem_);
    if (listed) ListView_EnsureVisible(ListView1.Handle(), index, FALSE);
    return ShowModal();
}

void TChoixIcone::EffaceIcones() {
    ListView1.SetVisible(false);
    ListView1.Clear();
    ImageList1.Clear();
    shownItem_ = -1;
}

void TChoixIcone::TransfertIcones(const std::string& name) {
    ListView1.SetVisible(false);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::string file = velmora::ExpandedName(name);
    int n = static_cast<int>(reinterpret_cast<INT_PTR>(ExtractIconA(instance, file.c_str(), static_cast<UINT>(-1))));
    if (n <= 0) {
        ShowFailure(Handle(), kNoIcons);
    } else {
        ListView_SetItemCount(ListView1.Handle(), n);
        for (int i = 0; i < n; ++i) {
            // Item i always stands for icon i, even one that cannot be read.
            ui::IconHandle icon(ExtractIconA(instance, file.c_str(), static_cast<UINT>(i)));
            bool real = reinterpret_cast<UINT_PTR>(icon.get()) > 1;
            int image = real ? ImageList1.AddIcon(icon.get()) : -1;
            if (!real) icon.release();   // 1 is no handle
            ListView1.Add("", image);
            // The image list holds its own copy: icon is released here.
        }
    }
    ListView1.SetVisible(true);
}

void TChoixIcone::FormShow() { ListView1.SetVisible(true); }

void TChoixIcone::ListView1Change() {
    // Only a move of the selection counts, not focus or image changes.
    int item = ListView1.Selected();
    if (item < 0 || item == shownItem_) return;
    shownItem_ = item;
    NumeroChoisi = item;
    Label2.SetCaption("Icône N° " + std::to_string(item));
}

void TChoixIcone::BAcceptClick() {
    int item = ListView1.Selected();
    if (item < 0) {
        modalResult = ui::mrNone;
        return;
    }
    FichierChoisi = OpenDialog1.fileName;
    NumeroChoisi = item;
    modalResult = ui::mrOk;
}

void TChoixIcone::BParcoursClick() {
    std::string source = OpenDialog1.fileName;
    OpenDialog1.fileName = "*.dll";
    OpenDialog1.filterIndex = 1;
    if (OpenDialog1.Execute(Handle())) {
        std::string file = OpenDialog1.fileName;
        EffaceIcones();
        TransfertIcones(file);
        FichierChoisi = file;
        Label1.SetCaption(file);
    } else {
        OpenDialog1.fileName = source;
    }
    Label2.SetCaption(" ");
}

void TChoixIcone::ChargeBibliotheque(const std::string& path) {
    Animate1.SetVisible(true);
    Animate1.SetActive(true);
    Update();
    EffaceIcones();
    TransfertIcones(path);
    OpenDialog1.fileName = path;
    Animate1.SetActive(false);
    Animate1.SetVisible(false);
    Label2.SetCaption(" ");
    Label1.SetCaption(path);
}

}  // namespace quorvel
