// TSelectUser: picks the desktop profile to edit, creates or
// deletes one, or moves to where the profiles live (TEmplacement). Its creation does the program's first-run work: the profiles
// folder and the default profile with its initial options.
#pragma once

#include "admin/components/del_tree.h"
#include "admin/dialogs/options.h"
#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/graphic.h"

#include <functional>
#include <string>

namespace quorvel {

// The options a new default profile starts with.
extern const OptionValues kDefaultProfileOptions;

class TSelectUser : public ui::Form {
public:
    // `saveProfile(folder)` makes folder the main window's profile and saves
    // the options dialog's values into its settings file.
    TSelectUser(TFOptions& options, std::function<void(const std::string& folder)> saveProfile);

    std::string DossierProfils;
    std::string UtilisateurChoisi;
    // The profile that the main window shows (its folder's name, any case):
    // deleting it would leave the window on a folder that is gone.
    std::string ProfilOuvert;

    // Components, in design order.
    ui::FormWindow window_;
    ui::Label Panel1;   // the caption of the top bar
    ui::ListBox ListBox1;
    ui::BitButton BitBtn1, BitBtn3, BitBtn4, BitBtn2, BitBtn5;
    TMPDelTree MPDelTree1;

    // After the profiles moved (BitBtn5): the main window opens them from there.
    std::function<void()> onEmplacement;

    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void ListBox1DblClick() { BitBtn1.Click(); }

protected:
    void FormActivate() override { RemplitListe(); }
    void FormPaint(HDC dc) override;

private:
    void FormCreate();
    // DossierProfils from where the profiles live now, with the first-run
    // work there: the folder (made and hidden when local) and `.default`.
    void ChargeEmplacement();
    void RemplitListe();

    TFOptions& options_;
    std::function<void(const std::string&)> saveProfile_;
};

}  // namespace quorvel
