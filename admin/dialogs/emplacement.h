// TEmplacement: where this machine's profiles live, the local profiles folder
// or a shared folder for a room of machines. Created for one use by the user
// profiles dialog. Its OK checks the shared folder, offers to copy the
// machine's profiles there when it holds none, and writes the choice; the
// caller then opens the profiles from there.
#pragma once

#include "ui/bit_button.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <memory>
#include <string>

namespace quorvel {

class TEmplacement : public ui::Form {
public:
    // localFolder: this machine's own profiles folder.
    explicit TEmplacement(std::string localFolder);

    std::unique_ptr<ui::CheckBox> RBLocal, RBPartage;
    std::unique_ptr<ui::Edit> EChemin;
    std::unique_ptr<ui::BitButton> SBChoix, BitBtn1, BitBtn2;

    void RBClick();
    void SBChoixClick();
    void BitBtn1Click();

private:
    // The shared folder that OK may write, or empty after a message.
    std::string DossierVerifie();

    std::string localFolder_;
};

// Copies the profiles of `from` (the folders that are profiles, with their
// settings files) into `to`, leaving out every one whose name `to` already
// holds. When any copy fails, what this copy made is removed and the answer
// is false: `to` is as it was.
bool CopieProfils(const std::string& from, const std::string& to);

// "Le dossier partagé <path> ne répond pas...".
std::string PasDeReponse(const std::string& folder);

}  // namespace quorvel
