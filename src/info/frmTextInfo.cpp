#include "info/frmTextInfo.h"

#include <QCloseEvent>
#include <QFile>
#include <QPlainTextEdit>

frmTextInfo::frmTextInfo(const TextInfoConfig& config) : config_(config) {
    setObjectName(QLatin1String(config.formName));
}
frmTextInfo::~frmTextInfo() = default;
void frmTextInfo::Form_Load() {}
void frmTextInfo::Form_Unload() {}
void frmTextInfo::ResizeTextBox() {}
bool frmTextInfo::holdsFile() const { return file_ != nullptr; }
void frmTextInfo::resizeEvent(QResizeEvent* event) { QWidget::resizeEvent(event); }
void frmTextInfo::closeEvent(QCloseEvent* event) {
    event->accept();
    forms::unload(this);
}

frmAliasNFO::frmAliasNFO()
    : frmTextInfo({"frmAliasNFO", "///Quarl Aliases Setup Information", "txtAliasNFO", "UT2003_Aliases.txt",
                   " While Loading Alias Information Form!\rMake Sure UT2003_ALIases.txt File has not been "
                   "Deleted,Renamed, or Reloacated!",
                   " While Unloading Alias Form!"}) {}

frmSpeechNFO::frmSpeechNFO()
    : frmTextInfo({"frmSpeechNFO", "///Quarl Speech + Taunt List", "txtSpeechNFO", "Taunt.txt",
                   " While Loading Speech Informaition Form!\rPlease Make Sure Taunt.txt has not been Deleted, "
                   "Renamed, or Relocated!",
                   " While Unloading Speech Information Form!"}) {}
