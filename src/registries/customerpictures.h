#pragma once
// The four pictures of a customer: files in the folder pict_member under
// the data folder, picture n (1 to 4) named after the customer number
// ("000123_1.jpg"). temp.jpg in the same folder stands in for a picture that
// is missing or cannot be read. Picture 1 is the photograph of the member
// card.

#include <QImage>
#include <QString>

inline constexpr int CustomerPictureCount = 4;

// The folder of the pictures under a data folder (ending with a separator).
QString PictureFolder(const QString& dataFolder);
// "000123_1.jpg".
QString PictureFileName(const QString& customerNo, int n);
// A customer number that can name a file inside the folder: not empty and
// without a path separator, drive colon or control character.
bool IsPictureNumber(const QString& customerNo);
// The path of picture n; empty when the number cannot name a file.
QString PicturePath(const QString& folder, const QString& customerNo, int n);

struct LoadedPicture {
    QImage image; // the picture, or temp.jpg, or null when neither can be read
    bool found = false; // the customer's own picture was read
};
LoadedPicture LoadCustomerPicture(const QString& folder, const QString& customerNo, int n);

// Copies a chosen file over picture n of the customer, making the folder
// when it is missing. Choosing the picture's own file changes nothing.
// False with a reason in *error when the copy fails.
bool StoreCustomerPicture(const QString& folder, const QString& customerNo, int n, const QString& chosenFile,
                          QString* error = nullptr);

// A customer saved under a new number takes its pictures along: each
// picture of the former number is renamed to the new one, unless the new
// number has that picture already (it is never overwritten).
void MoveCustomerPictures(const QString& folder, const QString& formerNo, const QString& newNo);
