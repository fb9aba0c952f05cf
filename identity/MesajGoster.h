#pragma once

#include <QString>

#include <functional>

class QMessageBox;

// Codes of the one message dialog: the callers pass and compare these numbers.
namespace mesaj {

// Kinds.
inline constexpr int Uyari = 0;
inline constexpr int Hata = 1;
inline constexpr int Bilgi = 2;
inline constexpr int Soru = 3;

// Button codes; a button set has bit n for code n.
inline constexpr int DugmeEvet = 0;
inline constexpr int DugmeHayir = 1;
inline constexpr int DugmeTamam = 2;
inline constexpr int DugmeVazgec = 3;
inline constexpr int DugmeIptal = 4;
inline constexpr int DugmeTekrar = 5;
inline constexpr int DugmeAtla = 6;
inline constexpr int DugmeTumu = 7;
inline constexpr int DugmeTumuneHayir = 8;
inline constexpr int DugmeTumuneEvet = 9;
inline constexpr int DugmeYardim = 10;
inline constexpr int DugmeKapat = 11;

inline constexpr int SetTamam = 1 << DugmeTamam;                      // 4
inline constexpr int SetEvetHayir = (1 << DugmeEvet) | (1 << DugmeHayir); // 3

// Results.
inline constexpr int SonucTamam = 1;
inline constexpr int SonucVazgec = 2; // also: closed through the window frame
inline constexpr int SonucIptal = 3;
inline constexpr int SonucTekrar = 4;
inline constexpr int SonucAtla = 5;
inline constexpr int SonucEvet = 6;
inline constexpr int SonucHayir = 7;
inline constexpr int SonucKapat = 8;
inline constexpr int SonucTumu = 12;
inline constexpr int SonucTumuneHayir = 13;
inline constexpr int SonucTumuneEvet = 14;

} // namespace mesaj

// Shows the program's message dialog and returns the result of the button that closed it
// (2 when closed through the window frame). Kinds 0-3 get their Turkish title and sound.
// Meant for the UI thread; a call from another thread is handed over and waited for.
int MesajGoster(const QString &metin, int tur, int dugmeler, int varsayilan);

// Test seam: a responder answers in place of the dialog (the sound still plays).
using MesajYanitlayici = std::function<int(int tur, const QString &metin, int dugmeler, int varsayilan)>;
// Installs a responder (empty: real dialogs again); returns the previous one.
MesajYanitlayici MesajYanitlayiciKur(MesajYanitlayici yanitlayici);

// Test seam for GUI tests: called on the UI thread once the real dialog is on screen, so the
// test can read it and press keys on it. Returns the previous hook.
using MesajPenceresiKancasi = std::function<void(QMessageBox &pencere)>;
MesajPenceresiKancasi MesajPenceresiKancasiKur(MesajPenceresiKancasi kanca);

// Installs a responder for one scope and restores the previous one on leaving it.
class MesajYanitlayiciKapsami
{
public:
    explicit MesajYanitlayiciKapsami(MesajYanitlayici yanitlayici)
        : m_onceki(MesajYanitlayiciKur(std::move(yanitlayici)))
    {
    }
    ~MesajYanitlayiciKapsami() { MesajYanitlayiciKur(std::move(m_onceki)); }
    MesajYanitlayiciKapsami(const MesajYanitlayiciKapsami &) = delete;
    MesajYanitlayiciKapsami &operator=(const MesajYanitlayiciKapsami &) = delete;

private:
    MesajYanitlayici m_onceki;
};
